# The Windows packages of everything `cmake --install` lays out, binaries
# stripped. (The Debian package is made by dpkg-buildpackage from debian/,
# not by CPack: docs/installing.md.) A Windows build's `cpack -G ZIP` writes
# the portable zelvano-<version>-windows-x64.zip, whose one folder runs from
# wherever it is unpacked; `cpack -G NSIS` writes the installer
# zelvano-<version>-windows-x64-setup.exe of the same files, for the current
# user alone (cmake/NSIS.template.in).
if(NOT WIN32)
    return()
endif()
set(CPACK_PACKAGE_NAME zelvano)
set(CPACK_PACKAGE_VERSION ${ZELVANO_PACKAGE_VERSION})
set(CPACK_PACKAGE_VENDOR ${ZELVANO_DEVELOPERS})
set(CPACK_PACKAGE_CONTACT "${ZELVANO_DEVELOPERS} <${ZELVANO_MAIL_ADDRESS}>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${ZELVANO_HOME_PAGE})
set(CPACK_STRIP_FILES ON)

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
