#!/usr/bin/env bash
# Builds the fuzz targets and runs one for N seconds, in a corpus folder of its own.
# Usage: tests/fuzz/run.sh TARGET [seconds] [corpus folder]
#   TARGET: coding (default 60 s), repair (300 s), rtf_reader (600 s, seeded with the
#   RTF test files and a dictionary of control words), text_buffer (300 s)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
target=${1:?"usage: tests/fuzz/run.sh coding|repair|rtf_reader|text_buffer [seconds] [corpus folder]"}
options=(-max_len=4096 -timeout=20) seconds=300
case "$target" in
  coding) options=(-max_len=8192 -rss_limit_mb=2048) seconds=60 ;;
  repair | text_buffer) ;;
  rtf_reader) options+=(-dict="$ROOT/tests/fuzz/rtf.dict") seconds=600 ;;
  *) echo "run.sh: no fuzz target '$target'" >&2; exit 2 ;;
esac
build_fuzz >/dev/null
corpus=${3:-$BUILD/fuzz-$target/corpus}
mkdir -p "$corpus"
[ "$target" = rtf_reader ] && cp "$ROOT"/tests/data/rtf_*.rtf "$corpus/"
"$BUILD/fuzz/fuzz_$target" -max_total_time="${2:-$seconds}" "${options[@]}" "$corpus"
