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
            # On Windows the windows shown are the system's own, drawn on the
            # display scripts/windows-check starts for Wine. One suite at a
            # time: they share the pointer and the active window.
            set(platform windows)
            set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display)
        endif()
    endif()
    # Wine hands no QT_ variables to the programs it runs (they would be the
    # Linux desktop's); WINEQT_ ones reach them without the WINE.
    set(qpa QT_QPA_PLATFORM)
    if(CMAKE_CROSSCOMPILING AND ZELVANO_WINE)
        set(qpa WINEQT_QPA_PLATFORM)
    endif()
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "${qpa}=${platform};LC_ALL=C.UTF-8"
        LABELS "${labels}"
        TIMEOUT 600)
endfunction()
