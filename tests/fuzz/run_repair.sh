#!/bin/sh
# Builds and runs the repair fuzzer.
# Usage: tests/fuzz/run_repair.sh [seconds]   (default 300)
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
out="$root/build/fuzz-repair"
mkdir -p "$out/repair_corpus"
clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I"$root" \
    "$root/tests/fuzz/fuzz_repair.cpp" "$root/coding/repair.cpp" "$root/coding/repair_codings.cpp" \
    "$root/coding/russian_model.cpp" "$root/coding/russian_model_table.cpp" "$root/coding/unicode_tables.cpp" \
    "$root/coding/utf8.cpp" "$root/coding/coding_tables.cpp" \
    -o "$out/fuzz_repair"
"$out/fuzz_repair" -max_total_time="${1:-300}" -max_len=4096 -timeout=20 "$out/repair_corpus"
