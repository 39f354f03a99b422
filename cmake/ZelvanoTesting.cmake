# zelvano_add_gtest(NAME SOURCES ... LIBS ... [LABELS ...] [QT_MAIN])
# One CTest entry per executable. QT_MAIN links the shared main that creates
# one QApplication before the tests run; without it GoogleTest's own main is used.
function(zelvano_add_gtest name)
    cmake_parse_arguments(T "QT_MAIN" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
    if(T_QT_MAIN)
        target_link_libraries(${name} PRIVATE zelvano_test_main)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
        LABELS "${T_LABELS}"
        TIMEOUT 600)
endfunction()
