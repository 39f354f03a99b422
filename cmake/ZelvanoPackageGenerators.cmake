# Read by cpack once for each generator, for what differs between the
# Windows packages: the zip unpacks into a folder of its own, and the
# installer, which lays out no folder of that kind, is named apart from it.
if(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
    set(CPACK_POST_BUILD_SCRIPTS ${CPACK_MODULE_PATH}/ZelvanoPackageZip.cmake)
elseif(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
