# zelvano_add_gtest(NAME SOURCES ... LIBS ... [LABELS ...] [QT_MAIN] [SHOWS_WINDOWS])
# One CTest entry per GoogleTest case, named as GoogleTest names it
# (Suite.Case, Prefix/Suite.Case/Row), so that a failure names the case and
# `ctest -R` picks one. Under Wine, where every start is dear, one entry per
# executable runs all its cases and reports each (tests/windows/run-suite.py).
# QT_MAIN links the shared main that
# creates one QApplication before the tests run; without it GoogleTest's own
# main is used. SHOWS_WINDOWS marks the suites that show windows; they carry
# the label "window" as well, and this is the one place that says how they draw.
include(GoogleTest)
# The suites labelled "sanitize": all that the sanitizer build needs to build.
add_custom_target(sanitize-tests)
function(zelvano_add_gtest name)
    cmake_parse_arguments(T "QT_MAIN;SHOWS_WINDOWS" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    # CaseNames.h: the names of parameterized suites' rows.
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
    if(T_QT_MAIN)
        target_link_libraries(${name} PRIVATE zelvano_test_main)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    set(platform offscreen)
    set(labels ${T_LABELS})
    if(sanitize IN_LIST labels)
        add_dependencies(sanitize-tests ${name})
    endif()
    if(T_SHOWS_WINDOWS)
        list(APPEND labels window)
        if(WIN32)
            # On Windows the windows shown are the system's own, drawn on the
            # display scripts/windows-check starts for Wine.
            set(platform windows)
        endif()
    endif()
    # Wine hands no QT_ variables to the programs it runs (they would be the
    # Linux desktop's); WINEQT_ ones reach them without the WINE.
    set(qpa QT_QPA_PLATFORM)
    if(CMAKE_CROSSCOMPILING AND ZELVANO_WINE)
        set(qpa WINEQT_QPA_PLATFORM)
    endif()
    # One window suite at a time on Windows: they share the pointer and the
    # active window.
    set(lock "")
    if(WIN32 AND T_SHOWS_WINDOWS)
        set(lock RESOURCE_LOCK display)
    endif()
    if(CMAKE_CROSSCOMPILING AND ZELVANO_WINE)
        add_test(NAME ${name}
            COMMAND python3 ${PROJECT_SOURCE_DIR}/tests/windows/run-suite.py ${ZELVANO_WINE}
                    $<TARGET_FILE:${name}> ${CMAKE_CURRENT_BINARY_DIR}/${name}.xml
                    ${CMAKE_BINARY_DIR}/wine-retries.log)
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "${qpa}=${platform};LC_ALL=C.UTF-8" LABELS "${labels}" TIMEOUT 1800
            ${lock})
        return()
    endif()
    # The cases are listed when CTest starts, not at build time. Listing
    # needs no display (the shared main makes no application for it). Every
    # parameterized suite names its rows, so the values are left out of the
    # names: printed, they would carry a row's raw bytes.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 300
                         TEST_LIST ${name}_TESTS NO_PRETTY_VALUES)
    # The cases' properties, set by a script CTest reads after the list:
    # lists passed through the discovery would lose their separators.
    set(properties ${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake)
    file(WRITE ${properties}
        "if(${name}_TESTS)\n"
        "    set_tests_properties(\${${name}_TESTS} PROPERTIES\n"
        "        ENVIRONMENT \"${qpa}=${platform};LC_ALL=C.UTF-8\"\n"
        "        LABELS \"${labels}\" TIMEOUT 600)\n"
        "endif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${properties})
endfunction()
