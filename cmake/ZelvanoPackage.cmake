# The packages of everything `cmake --install` lays out, binaries stripped.
# On Linux `cpack -G DEB` in the build folder writes the Debian package
# zelvano_<version>_<arch>.deb, under /usr. A Windows build's `cpack -G ZIP`
# writes the portable zelvano-<version>-windows-x64.zip, whose one folder
# runs from wherever it is unpacked; `cpack -G NSIS` writes the installer
# zelvano-<version>-windows-x64-setup.exe of the same files, for the current
# user alone (cmake/NSIS.template.in).
set(CPACK_PACKAGE_NAME zelvano)
set(CPACK_PACKAGE_VERSION ${ZELVANO_PACKAGE_VERSION})
set(CPACK_PACKAGE_VENDOR ${ZELVANO_DEVELOPERS})
set(CPACK_PACKAGE_CONTACT "${ZELVANO_DEVELOPERS} <${ZELVANO_MAIL_ADDRESS}>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${ZELVANO_HOME_PAGE})
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME zelvano-${ZELVANO_PACKAGE_VERSION}-windows-x64)
    set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/ZelvanoPackageGenerators.cmake)
    # The installer: our own template, since CMake's installs for all users.
    set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake)
    set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/ZelvanoPackageStaging.cmake)
    set(CPACK_MONOLITHIC_INSTALL ON)
    set(CPACK_PACKAGE_INSTALL_DIRECTORY Zelvano)
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Zelvano)
    set(CPACK_NSIS_PACKAGE_NAME Zelvano)
    set(CPACK_NSIS_DISPLAY_NAME Zelvano)
    set(CPACK_NSIS_INSTALLED_ICON_NAME zelvano.exe)
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/icons/zelvano.ico)
    set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/resources/License.rtf)
    # The version "Programs and Features" shows: the one in the file names.
    set(CPACK_ZELVANO_DISPLAY_VERSION ${ZELVANO_PACKAGE_VERSION})
    include(CPack)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "converter of physical quantities with old Russian units
Zelvano converts a quantity from one unit to another within eight
categories: length, weight, volume, area, temperature, speed, information
size and radioactivity. Besides the metric units it knows many old Russian,
English and American measures, each with the program's own fixed factor, so
the same quantity always gives the same digits. The window is in Russian.
.
zelvano-convert gives the same results on the command line, one at a time
or as a batch for other programs.")
# The libraries come from the binaries; the window also needs its font (a
# Tahoma-compatible face with Cyrillic) and Qt's Russian texts, which no
# binary links to. The help actions open documents through xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
