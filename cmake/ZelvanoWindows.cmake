# zelvano_windows_resources(TARGET DESCRIPTION [MANIFEST])
# Gives a Windows executable the program icon and a version block with the
# version of project(), read as "3.02.0084" for version 3.2 revision 84;
# MANIFEST also embeds the window's application manifest.
function(zelvano_zero_pad out value width)
    string(LENGTH "${value}" length)
    set(padded "${value}")
    if(length LESS width)
        math(EXPR missing "${width} - ${length}")
        string(REPEAT "0" ${missing} zeros)
        set(padded "${zeros}${value}")
    endif()
    set(${out} "${padded}" PARENT_SCOPE)
endfunction()

function(zelvano_windows_resources target description)
    cmake_parse_arguments(R "MANIFEST" "" "" ${ARGN})
    set(dir ${PROJECT_SOURCE_DIR}/resources/windows)
    set(ZELVANO_ICON_FILE ${PROJECT_SOURCE_DIR}/resources/icons/zelvano.ico)
    zelvano_zero_pad(minor ${ZELVANO_VERSION_MINOR} 2)
    zelvano_zero_pad(revision ${ZELVANO_VERSION_REVISION} 4)
    set(ZELVANO_FILE_VERSION "${ZELVANO_VERSION_MAJOR}.${minor}.${revision}")
    set(ZELVANO_RC_DESCRIPTION "${description}")
    set(ZELVANO_RC_FILENAME "${target}.exe")
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
    configure_file(${dir}/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    # The resource compiler reads the icon and the manifest itself: without
    # these an edited one would not reach the executable.
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${ZELVANO_ICON_FILE})
    if(R_MANIFEST)
        set(ZELVANO_MANIFEST_FILE ${dir}/zelvano.manifest)
        configure_file(${dir}/manifest.rc.in ${target}-manifest.rc @ONLY)
        target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}-manifest.rc)
        set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}-manifest.rc PROPERTIES
            OBJECT_DEPENDS ${ZELVANO_MANIFEST_FILE})
    endif()
endfunction()

# zelvano_install_windows_runtime()
# Installs what the programs load besides the system's own DLLs: Qt's
# libraries, the platform and style plugins, Qt's Russian texts (found
# through qt.conf) and the compiler's run-time DLLs, so the install runs from
# any folder.
function(zelvano_install_windows_runtime)
    set(dlls Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll
             styles/qwindowsvistastyle.dll)
    install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
            DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
            DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
    install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
            DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/windows/qt.conf
            DESTINATION ${CMAKE_INSTALL_BINDIR})
    set(catalogue /usr/share/qt6/translations/qtbase_ru.qm)
    if(EXISTS ${catalogue})
        install(FILES ${catalogue} DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)
    else()
        message(STATUS "Qt's Russian texts: not installed (qt6-translations-l10n missing)")
    endif()
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${path}")
            message(FATAL_ERROR "The compiler's ${dll} was not found")
        endif()
        install(FILES ${path} DESTINATION ${CMAKE_INSTALL_BINDIR})
        list(APPEND dlls ${dll})
    endforeach()
    # `--strip` and the packages strip these copies as they do the programs.
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            foreach(dll ${dlls})
                execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${dll}\")
            endforeach()
        endif()")
endfunction()
