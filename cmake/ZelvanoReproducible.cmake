# Builds that anyone can repeat bit for bit, as scripts/release makes them:
# nothing of the folders they were built in, and no time but the release's,
# reaches the packages. The time comes from SOURCE_DATE_EPOCH in the
# environment, which Qt's resource compiler, the linkers, strip, CPack's
# archives and NSIS read for every time stamp they would otherwise take from
# the clock or from a file.
option(ZELVANO_REPRODUCIBLE
    "Build the same bytes from the same sources in any folder at any time (releases)" OFF)
if(NOT ZELVANO_REPRODUCIBLE)
    return()
endif()
if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    message(FATAL_ERROR
        "ZELVANO_REPRODUCIBLE needs SOURCE_DATE_EPOCH, the release date of debian/changelog, in "
        "the environment of the configure, the build and cpack (dpkg-buildpackage and "
        "scripts/release set it)")
endif()

# The compiler writes the folders into the debug information, and the
# linker's build id, which stays in the stripped programs, is a hash of all
# of it. Of two prefixes that match, the compiler takes the one named last.
add_compile_options(
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
    -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
