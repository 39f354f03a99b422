# Run by cpack once the portable zip is made (CPACK_POST_BUILD_SCRIPTS), for
# a release (SOURCE_DATE_EPOCH set): CPack writes the entries in the order
# the file system lists the folders, with the builder's user and group ids.
# Debian's strip-nondeterminism puts them in the order of their names, clears
# the ids and gives every entry the release's time.
if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    return()
endif()
find_program(STRIP_NONDETERMINISM strip-nondeterminism REQUIRED)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND ${STRIP_NONDETERMINISM} --type zip
                            --timestamp $ENV{SOURCE_DATE_EPOCH} ${package}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
