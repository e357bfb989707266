include(GoogleTest)

# vx_add_test(<name> SOURCES ... LIBS ... [WINDOWS])
# One GoogleTest executable per call; each of its cases is a CTest test of its own. WINDOWS tests
# get a main that creates an offscreen QApplication before the tests run.
function(vx_add_test name)
    cmake_parse_arguments(ARG "WINDOWS" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} vx_testsupport GTest::gtest GTest::gmock)
    if(ARG_WINDOWS)
        target_link_libraries(${name} PRIVATE vx_windowtestmain)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    # The cases are listed when CTest runs, so a build never starts a test program.
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600)
endfunction()
