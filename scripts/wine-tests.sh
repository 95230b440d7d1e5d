#!/usr/bin/env bash
# Runs the program tests of a Windows build folder under Wine (the display must exist):
#   wine-tests.sh DIR          each suite in a process of its own, through CTest
#   wine-tests.sh DIR FILTER   the tests a gtest filter picks, in one process (under emulation
#                              Wine's start-up is what costs)
# VERKO_WINEPREFIX names another prefix than the folder's own. Each process leaves a report in
# DIR/results; the last line counts the tests in them, the user-level cases and the host-side
# checks. Every test the filter picks (all, without one) must have reported: one that did not
# (its process crashed or hung, or CTest does not run its suite) counts as failed, and so does
# a run where none was picked.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
dir=$(cd "$1" && pwd) filter=${2:-}
export WINEPREFIX=${VERKO_WINEPREFIX:-$dir/wineprefix}
# The user-level cases type into the display: only into the tests' own.
skip_user= ctest_args=()
if on_test_display; then
  # Keys the user-level cases type, on the keyboard map before Wine reads it.
  bash "$ROOT/tests/user/map_keys.sh"
else
  echo "wine-tests.sh: ${DISPLAY:-no display} is not the tests' own display (scripts/test.sh starts one):" \
    "the user-level cases are skipped"
  skip_user=1 ctest_args=(-E '^user\.')
fi
results="$dir/results"
rm -rf "$results"
# A persistent wine server spares every test program its start-up.
wineserver -p 2>/dev/null || true
# Start Wine's background processes (desktop, services) now, with their output away from
# the tests' pipes: a test that started them would wait for them to end. VERKO_WARMUP names
# the program of another build that starts them (under emulation, one that runs natively).
# The same run lists the tests expected, into a file: the background processes would hold a
# pipe open.
"$ROOT/scripts/wine-exec.sh" "${VERKO_WARMUP:-$dir/verko_program_tests.exe}" --gtest_list_tests \
  --gtest_filter="${filter:-*}" >"$dir/expected-tests.txt" 2>/dev/null </dev/null
expected=$(grep -c '^  [A-Za-z]' "$dir/expected-tests.txt")
if [ -z "$filter" ]; then
  rm -f "$dir/Testing/Temporary/LastTestsFailed.log"
  ctest --test-dir "$dir" --output-on-failure --timeout 300 "${ctest_args[@]}"
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

passed=0 failed=0 skipped=0 ran=0
if [ -n "$skip_user" ]; then
  skipped=${cases:-0}
else
  passed=$((${cases:-0} - ${cases_failed:-0})) failed=${cases_failed:-0}
fi
for name in $reports; do
  report="$results/$name.xml"
  if ! grep -q '^<testsuites ' "$report" 2>/dev/null; then
    echo "wine-tests.sh: $name left no report"
    continue
  fi
  read -r tests failures disabled skips < <(awk -F'"' '/^  <testsuite /{
      for (i = 1; i < NF; i += 2) { key = $i; sub(/.* /, "", key); sub(/=$/, "", key); count[key] += $(i + 1) } }
    END { print count["tests"] + 0, count["failures"] + 0, count["disabled"] + 0, count["skipped"] + 0 }' "$report")
  ran=$((ran + tests))
  passed=$((passed + tests - failures - disabled - skips))
  failed=$((failed + failures)) skipped=$((skipped + disabled + skips))
done
# What the host checked around a suite (tests/program/host_files.sh): "passed failed skipped".
for checks in "$results"/*.checks; do
  [ -f "$checks" ] || continue
  read -r p f s <"$checks"
  passed=$((passed + p)) failed=$((failed + f)) skipped=$((skipped + s))
done
if [ "$expected" -eq 0 ] || [ "$ran" -ne "$expected" ]; then
  echo "wine-tests.sh: $ran tests reported, $expected expected${filter:+ (filter $filter)}"
  failed=$((failed + (ran < expected ? expected - ran : 1)))
fi
echo "program tests $(basename "$dir")${filter:+ in one process} (${SECONDS} s): $passed passed, $failed failed, $skipped skipped"
[ "$rc" -eq 0 ] && [ "$failed" -eq 0 ]
