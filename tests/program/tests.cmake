# Program tests: the real Windows code, run in process under Wine.
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
file(GLOB PROGRAM_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/program/*.cpp)
add_executable(verko_program_tests ${PROGRAM_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/res/verko.rc)
target_link_libraries(verko_program_tests verko_win GTest::gtest)
verko_images_beside(verko_program_tests)
target_compile_definitions(verko_program_tests PRIVATE VERKO_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
set_property(SOURCE ${CMAKE_SOURCE_DIR}/tests/program/spine_startup_test.cpp
             APPEND PROPERTY INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/generated)

set(VERKO_WINE_EXEC "" CACHE FILEPATH "Runs a Windows program under Wine")
# One CTest entry per test suite. They run one at a time: they share the Wine
# prefix, its registry and the display. Each leaves its report in results/ for the counts.
set(suites "")
foreach(src ${PROGRAM_TEST_SOURCES})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${src})
  file(STRINGS ${src} lines REGEX "^TEST(_F)?\\(")
  foreach(line ${lines})
    string(REGEX REPLACE "^TEST(_F)?\\(([A-Za-z0-9_]+),.*" "\\2" suite "${line}")
    list(APPEND suites ${suite})
  endforeach()
endforeach()
list(REMOVE_DUPLICATES suites)
# Files that only the host can make are prepared and checked around their suite.
list(REMOVE_ITEM suites HostFiles)
add_test(NAME program.HostFiles
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/program/host_files.sh $<TARGET_FILE:verko_program_tests>)
set_tests_properties(program.HostFiles PROPERTIES RESOURCE_LOCK wineprefix TIMEOUT 300)
foreach(suite ${suites})
  add_test(NAME program.${suite}
           COMMAND ${VERKO_WINE_EXEC} $<TARGET_FILE:verko_program_tests> --gtest_filter=${suite}.*
                   --gtest_output=xml:results/${suite}.xml)
  set_tests_properties(program.${suite} PROPERTIES RESOURCE_LOCK wineprefix TIMEOUT 300)
endforeach()
