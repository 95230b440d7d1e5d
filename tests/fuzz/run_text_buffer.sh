#!/bin/sh
# Builds and runs the text control's byte-store fuzzer.
# Usage: tests/fuzz/run_text_buffer.sh [seconds]   (default 300)
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
out="$root/build/fuzz-text-buffer"
mkdir -p "$out/text_buffer_corpus"
clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -I"$root" \
    "$root/tests/fuzz/fuzz_text_buffer.cpp" "$root/textctl/text_buffer.cpp" \
    -o "$out/fuzz_text_buffer"
"$out/fuzz_text_buffer" -max_total_time="${1:-300}" -max_len=4096 -timeout=20 \
    "$out/text_buffer_corpus"
