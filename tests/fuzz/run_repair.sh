#!/usr/bin/env bash
# Builds and runs the repair fuzzer.
# Usage: tests/fuzz/run_repair.sh [seconds]   (default 300)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
build_fuzz >/dev/null
corpus="$BUILD/fuzz-repair/corpus"
mkdir -p "$corpus"
"$BUILD/fuzz/fuzz_repair" -max_total_time="${1:-300}" -max_len=4096 -timeout=20 "$corpus"
