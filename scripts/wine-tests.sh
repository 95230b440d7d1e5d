#!/usr/bin/env bash
# Runs the program tests of a Windows build folder under Wine (the display must exist):
#   wine-tests.sh DIR          each suite in a process of its own, through CTest
#   wine-tests.sh DIR FILTER   the tests a gtest filter picks, in one process (under emulation
#                              Wine's start-up is what costs)
# VERKO_WINEPREFIX names another prefix than the folder's own. Each process leaves a report in
# DIR/results; the last line counts the tests in them (a process that left none, crashed or
# hung, counts as one failed test) and the user-level cases.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
dir=$(cd "$1" && pwd) filter=${2:-}
export WINEPREFIX=${VERKO_WINEPREFIX:-$dir/wineprefix}
# Keys the user-level cases type, on the keyboard map before Wine reads it.
bash "$ROOT/tests/user/map_keys.sh"
results="$dir/results"
rm -rf "$results"
# A persistent wine server spares every test program its start-up.
wineserver -p 2>/dev/null || true
# Start Wine's background processes (desktop, services) now, with their output away from
# the tests' pipes: a test that started them would wait for them to end. VERKO_WARMUP names
# the program of another build that starts them (under emulation, one that runs natively).
"$ROOT/scripts/wine-exec.sh" "${VERKO_WARMUP:-$dir/verko_program_tests.exe}" --gtest_list_tests >/dev/null 2>&1 </dev/null
if [ -z "$filter" ]; then
  rm -f "$dir/Testing/Temporary/LastTestsFailed.log"
  ctest --test-dir "$dir" --output-on-failure --timeout 300
  rc=$?
  reports=$(ctest --test-dir "$dir" -N | sed -n 's/.*Test *#[0-9]*: program\.//p')
  # The user-level cases leave no report; CTest tells how many of them failed.
  cases=$(ctest --test-dir "$dir" -N -R '^user\.' | sed -n 's/^Total Tests: //p')
  cases_failed=$(grep -c ':user\.' "$dir/Testing/Temporary/LastTestsFailed.log" 2>/dev/null)
else
  # Into a file, not a pipe: the background processes this one starts would hold a pipe open.
  (cd "$dir" && timeout 1800 "$ROOT/scripts/wine-exec.sh" ./verko_program_tests.exe --gtest_filter="$filter" \
    --gtest_output=xml:results/chosen.xml) >"$dir/chosen-tests.log" 2>&1 </dev/null
  rc=$?
  cat "$dir/chosen-tests.log"
  reports=chosen
fi
wineserver -k 2>/dev/null || true

passed=$((${cases:-0} - ${cases_failed:-0})) failed=${cases_failed:-0}
for name in $reports; do
  counts=$(sed -n 's/^<testsuites tests="\([0-9]*\)" failures="\([0-9]*\)" disabled="[0-9]*" errors="\([0-9]*\)".*/\1 \2 \3/p' \
    "$results/$name.xml" 2>/dev/null)
  if [ -z "$counts" ]; then
    echo "wine-tests.sh: $name left no report"
    failed=$((failed + 1))
    continue
  fi
  read -r tests failures errors <<<"$counts"
  passed=$((passed + tests - failures - errors))
  failed=$((failed + failures + errors))
done
echo "program tests $(basename "$dir")${filter:+ in one process} (${SECONDS} s): $passed passed, $failed failed"
[ "$rc" -eq 0 ] && [ "$failed" -eq 0 ]
