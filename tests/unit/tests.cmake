# Native unit tests of the code that includes no Windows header.
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*_test.cpp)
add_executable(verko_unit_tests ${UNIT_TEST_SOURCES})
target_link_libraries(verko_unit_tests verko_portable GTest::gtest_main)
target_compile_definitions(verko_unit_tests PRIVATE VERKO_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
include(GoogleTest)
gtest_discover_tests(verko_unit_tests DISCOVERY_TIMEOUT 60)
