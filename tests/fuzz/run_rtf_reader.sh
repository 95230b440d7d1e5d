#!/usr/bin/env bash
# Builds and runs the RTF reader fuzzer, seeded with the real RTF test files
# and a dictionary of control words.
# Usage: tests/fuzz/run_rtf_reader.sh [seconds]   (default 600)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
build_fuzz >/dev/null
corpus="$BUILD/fuzz-rtf-reader/corpus"
mkdir -p "$corpus"
cp "$ROOT"/tests/data/rtf_*.rtf "$corpus/"
"$BUILD/fuzz/fuzz_rtf_reader" -max_total_time="${1:-600}" -max_len=4096 -timeout=20 \
    -dict="$ROOT/tests/fuzz/rtf.dict" "$corpus"
