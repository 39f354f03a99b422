# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads,
# which Qt needs). Used for building the Windows Qt SDK (scripts/windows-sdk)
# and the project against it:
#   cmake -S . -B build-windows -G Ninja \
#       -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#       -DZELVANO_WINDOWS_SDK=<the SDK's prefix>
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)
# Named here since CMake cannot derive them from the "-posix" compiler names.
set(CMAKE_STRIP ${_triple}-strip)
set(CMAKE_OBJDUMP ${_triple}-objdump)

# The SDK's prefix reaches try_compile projects through the environment too.
if(NOT ZELVANO_WINDOWS_SDK AND DEFINED ENV{ZELVANO_WINDOWS_SDK})
    set(ZELVANO_WINDOWS_SDK "$ENV{ZELVANO_WINDOWS_SDK}")
endif()
set(ZELVANO_WINDOWS_SDK "${ZELVANO_WINDOWS_SDK}" CACHE PATH "Prefix of the Qt SDK for Windows")
set(ENV{ZELVANO_WINDOWS_SDK} "${ZELVANO_WINDOWS_SDK}")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZELVANO_WINDOWS_SDK)

set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
if(ZELVANO_WINDOWS_SDK)
    list(PREPEND CMAKE_FIND_ROOT_PATH "${ZELVANO_WINDOWS_SDK}")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's code generators (moc, rcc, uic) are the host's own.
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")

# The project's tests run under Wine (scripts/windows-check sets the prefix
# and the display); the SDK's own build runs nothing it builds.
if(ZELVANO_WINDOWS_SDK)
    find_program(ZELVANO_WINE wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
    if(ZELVANO_WINE)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${ZELVANO_WINE})
    endif()
endif()
