# zelvano_add_gtest(NAME SOURCES ... LIBS ... [LABELS ...] [QT_MAIN] [SHOWS_WINDOWS])
# One CTest entry per executable. QT_MAIN links the shared main that creates
# one QApplication before the tests run; without it GoogleTest's own main is used.
# SHOWS_WINDOWS marks the suites that show windows; they carry the label
# "window" as well, and this is the one place that says how they draw.
function(zelvano_add_gtest name)
    cmake_parse_arguments(T "QT_MAIN;SHOWS_WINDOWS" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
    if(T_QT_MAIN)
        target_link_libraries(${name} PRIVATE zelvano_test_main)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set(platform offscreen)
    set(labels ${T_LABELS})
    if(T_SHOWS_WINDOWS)
        list(APPEND labels window)
        if(WIN32)
            # Under Wine the offscreen plugin never reports a window exposed;
            # the windows plugin draws on the display scripts/windows-check
            # starts. One suite at a time there: they share the pointer and
            # the active window.
            set(platform windows)
            set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display)
        endif()
    endif()
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=${platform};LC_ALL=C.UTF-8"
        LABELS "${labels}"
        TIMEOUT 600)
endfunction()
