#!/bin/sh
# Builds the coding fuzz target with clang and runs it for N seconds (default 60).
# Usage: tests/fuzz/run.sh [seconds] [build dir]
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
out=${2:-$root/build/fuzz}
mkdir -p "$out/corpus"
clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I"$root" \
    "$root/tests/fuzz/fuzz_coding.cpp" "$root/coding/coding_tables.cpp" "$root/coding/detect.cpp" \
    "$root/coding/transform.cpp" "$root/coding/align.cpp" "$root/coding/unicode_tables.cpp" "$root/coding/utf8.cpp" "$root/coding/utf8_chars.cpp" "$root/coding/utf16.cpp" \
    -o "$out/fuzz_coding"
"$out/fuzz_coding" -max_total_time="$seconds" -max_len=8192 -rss_limit_mb=2048 "$out/corpus"
