#!/bin/sh
# Builds and runs the RTF reader fuzzer, seeded with the real RTF test files
# and a dictionary of control words.
# Usage: tests/fuzz/run_rtf_reader.sh [seconds]   (default 600)
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
out="$root/build/fuzz-rtf-reader"
mkdir -p "$out/corpus"
cp "$root"/tests/data/rtf_*.rtf "$out/corpus/"
clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I"$root" \
    "$root/tests/fuzz/fuzz_rtf_reader.cpp" "$root/textctl/rtf_reader.cpp" "$root/coding/unicode_tables.cpp" \
    -o "$out/fuzz_rtf_reader"
"$out/fuzz_rtf_reader" -max_total_time="${1:-600}" -max_len=4096 -timeout=20 \
    -dict="$root/tests/fuzz/rtf.dict" "$out/corpus"
