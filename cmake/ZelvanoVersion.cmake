# The version and the release date have one home: the latest entry of
# debian/changelog, which dpkg-buildpackage, the source package and the
# Debian package's changelog read as they are. Read here before project(),
# they reach the programs, the about line, the metainfo, the manual pages and
# the Windows resources and packages:
#   zelvano (3.2.2+build84) unstable; urgency=medium
#    -- The Zelvano developers <zelvano@example.org>  Tue, 08 Dec 2026 12:00:00 +0000
# give ZELVANO_PROJECT_VERSION 3.2.84 (major, minor, build number; the ".2"
# is fixed text) and ZELVANO_RELEASE_DATE 2026-12-08.
set(changelog ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(STRINGS ${changelog} heads REGEX "^zelvano \\(")
file(STRINGS ${changelog} signoffs REGEX "^ -- ")
list(GET heads 0 head)
list(GET signoffs 0 signoff)
if(NOT head MATCHES "^zelvano \\(([0-9]+)\\.([0-9]+)\\.2\\+build([0-9]+)\\) ")
    message(FATAL_ERROR "debian/changelog: '${head}' gives no version MAJOR.MINOR.2+buildN")
endif()
set(ZELVANO_PROJECT_VERSION ${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${CMAKE_MATCH_3})
if(NOT signoff MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "debian/changelog: '${signoff}' gives no date")
endif()
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
if(month EQUAL -1)
    message(FATAL_ERROR "debian/changelog: no month '${CMAKE_MATCH_2}' in '${signoff}'")
endif()
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
if(month LESS 10)
    set(month 0${month})
endif()
set(ZELVANO_RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1})
