#!/usr/bin/env bash
# Runs the program tests of a Windows build folder under Wine (the display must exist).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
dir=$1
# Keys the user-level cases type, on the keyboard map before Wine reads it.
bash "$ROOT/tests/user/map_keys.sh"
# A persistent wine server spares every test program its start-up.
WINEPREFIX="$dir/wineprefix" wineserver -p 2>/dev/null || true
# Start Wine's background processes (desktop, services) now, with their output
# away from CTest's pipes: a test that started them would wait for them to end.
"$ROOT/scripts/wine-exec.sh" "$dir/verko_program_tests.exe" --gtest_list_tests >/dev/null 2>&1 </dev/null
ctest --test-dir "$dir" --output-on-failure --timeout 300
rc=$?
WINEPREFIX="$dir/wineprefix" wineserver -k 2>/dev/null || true
exit $rc
