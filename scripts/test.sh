#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, then the program tests under Wine.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
bash "$ROOT/scripts/setup.sh" || exit 1
bash "$ROOT/scripts/printer.sh" || exit 1
arch=$(runnable_arch)

set -e
configure "$BUILD/native"
ninja -C "$BUILD/native"
# The 32-bit program is always built; its tests run where Wine can run it.
build_windows win32 "$([ "$arch" = win32 ] && echo ON || echo OFF)"
[ "$arch" = win64 ] && build_windows win64 ON
ensure_prefix "$arch"
set +e

log="$BUILD/test-summary.log"
: > "$log"
bash "$ROOT/scripts/check_structure.sh"
structure_rc=$?
ctest --test-dir "$BUILD/native" -j2 --output-on-failure 2>&1 | tee -a "$log"
native_rc=${PIPESTATUS[0]}
if [ -n "${DISPLAY:-}" ]; then
  bash "$ROOT/scripts/wine-tests.sh" "$BUILD/$arch" 2>&1 | tee -a "$log"; wine_rc=${PIPESTATUS[0]}
else
  xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$ROOT/scripts/wine-tests.sh" "$BUILD/$arch" 2>&1 | tee -a "$log"
  wine_rc=${PIPESTATUS[0]}
fi

passed=0; failed=0
while read -r p f; do passed=$((passed + p)); failed=$((failed + f)); done < <(
  sed -n 's/.*tests passed, \([0-9]*\) tests\? failed out of \([0-9]*\).*/\2 \1/p' "$log" |
  awk '{print $1 - $2, $2}')
summaries=$(grep -c 'tests passed, ' "$log")
[ "$summaries" -eq 2 ] || echo "test.sh: expected a native and a Wine test summary, found $summaries"
echo
echo "tests: $passed passed, $failed failed"
[ "$structure_rc" -eq 0 ] && [ "$native_rc" -eq 0 ] && [ "$wine_rc" -eq 0 ] && [ "$failed" -eq 0 ] && [ "$summaries" -eq 2 ]
