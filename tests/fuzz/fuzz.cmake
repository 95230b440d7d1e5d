# libFuzzer targets (clang only; tests/fuzz/run.sh runs them). The test command
# builds them in a folder of their own, so that they keep up with the code.
target_compile_options(verko_portable PRIVATE -fsanitize=fuzzer-no-link)
foreach(name fuzz_coding fuzz_rtf_reader fuzz_text_buffer fuzz_repair)
  add_executable(${name} ${CMAKE_SOURCE_DIR}/tests/fuzz/${name}.cpp)
  target_link_libraries(${name} verko_portable)
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endforeach()
