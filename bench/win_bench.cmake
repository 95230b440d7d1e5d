# Benchmarks of the Windows code, run under Wine (scripts/bench.sh).
file(GLOB WIN_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/win_bench_*.cpp)
foreach(src ${WIN_BENCH_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src} ${CMAKE_SOURCE_DIR}/res/verko.rc)
  target_link_libraries(${name} verko_win)
endforeach()
