# SPDX-License-Identifier: GPL-3.0-or-later
# trazalia_add_test(NAME SOURCES ... LIBS ... [QT])
# One GoogleTest program; each test case becomes a ctest test. QT programs get a main that
# creates a QApplication on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
function(trazalia_add_test name)
    cmake_parse_arguments(T "QT" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    if(T_QT)
        target_link_libraries(${name} PRIVATE trazalia_qt_test_main ${T_LIBS} GTest::gtest GTest::gmock)
    else()
        target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "${TRAZALIA_OFFSCREEN_ENV}")
endfunction()
