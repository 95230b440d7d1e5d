#!/usr/bin/env bash
# Builds and runs the text control's byte-store fuzzer.
# Usage: tests/fuzz/run_text_buffer.sh [seconds]   (default 300)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
build_fuzz >/dev/null
corpus="$BUILD/fuzz-text-buffer/text_buffer_corpus"
mkdir -p "$corpus"
"$BUILD/fuzz/fuzz_text_buffer" -max_total_time="${1:-300}" -max_len=4096 -timeout=20 "$corpus"
