#!/usr/bin/env bash
# Builds the coding fuzz target and runs it for N seconds (default 60).
# Usage: tests/fuzz/run.sh [seconds] [corpus folder]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
build_fuzz >/dev/null
corpus=${2:-$BUILD/fuzz/corpus}
mkdir -p "$corpus"
"$BUILD/fuzz/fuzz_coding" -max_total_time="${1:-60}" -max_len=8192 -rss_limit_mb=2048 "$corpus"
