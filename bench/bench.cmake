# Native benchmarks (build with -DVERKO_BENCH=ON -DVERKO_SANITIZE=OFF, Release).
file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/bench_*.cpp)
foreach(src ${BENCH_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} verko_portable)
  target_compile_definitions(${name} PRIVATE VERKO_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
endforeach()

# The coding guess is measured beside three detectors (scripts/setup.sh installs them: the
# test command builds the benchmarks too).
find_library(UCHARDET_LIBRARY uchardet REQUIRED)
find_library(ENCA_LIBRARY enca REQUIRED)
find_library(RCD_LIBRARY rcd REQUIRED)
target_link_libraries(bench_detect ${UCHARDET_LIBRARY} ${ENCA_LIBRARY} ${RCD_LIBRARY})
