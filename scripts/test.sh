#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, then the program tests under Wine,
# the x86_64 build under wine64 and the 32-bit build that ships: all of it where the kernel runs
# 32-bit code, else chosen suites in one process under qemu (--full32: every suite there too).
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
full32=
case "${1:-}" in
--full32) full32=1 ;;
"") ;;
*) echo "usage: scripts/test.sh [--full32]" >&2; exit 2 ;;
esac
bash "$ROOT/scripts/setup.sh" || exit 1
# Without a printer everything else still runs; the printing tests fail, saying why.
no_printer=
bash "$ROOT/scripts/printer.sh" ||
  no_printer="test.sh: no printer (scripts/printer.sh could not start CUPS or add its PDF queue): the printing tests fail"
[ -z "$no_printer" ] || echo "$no_printer"
mode=$(i386_mode)

# Under emulation, in one process: the code whose behaviour depends most on the sizes of
# pointers and handles (the text control's messages and streams, view codings, undo, the
# clipboard, the OLE callback, a file opened at start). The common file dialogs are left out:
# in a prefix whose helper processes run natively they hang or crash under qemu.
chosen32=TextControlTest.*:ViewCodingSwitch.*:UndoKinds.*:SingleLevelUndo.*:ClipboardCodings.*
chosen32+=:EditorOleCallbackSlots.*:DocumentCommandLine.*
chosen32+=-UndoKinds.TypingAndLineBreaksGoBackOneAtATimeUntilNothingIsLeftToSave
chosen32+=:UndoKinds.WholeTextChangesInARowAreUndoneAtOnceWithTheirViewCoding
chosen32+=:UndoKinds.ChangesPastTheTextLimitAreRefusedWholeAndLeaveNothingToUndo

set -e
# The benchmarks are built (not run) with the tests, so no change leaves them behind.
configure "$BUILD/native"
cmake -S "$ROOT" -B "$BUILD/native" -DVERKO_BENCH=ON >/dev/null
ninja -C "$BUILD/native"
# So are the fuzz targets, with clang.
build_fuzz
# Both Windows builds and their tests are built everywhere, so a fault of either size stops the run.
build_windows win32 ON
build_windows win64 ON -DVERKO_BENCH=ON
ensure_prefix win64
[ "$mode" = native ] && ensure_prefix win32
set +e

native_log="$BUILD/native-tests.log" wine_log="$BUILD/wine-tests.log"
: >"$wine_log"
bash "$ROOT/scripts/check_structure.sh"
structure_rc=$?
ctest --test-dir "$BUILD/native" -j2 --output-on-failure 2>&1 | tee "$native_log"
rc=${PIPESTATUS[0]}
with_test_display bash "$ROOT/scripts/wine-tests.sh" "$BUILD/win64" 2>&1 | tee -a "$wine_log"
rc=$((rc | PIPESTATUS[0]))
case $mode in
native)
  with_test_display bash "$ROOT/scripts/wine-tests.sh" "$BUILD/win32" 2>&1 | tee -a "$wine_log"
  rc=$((rc | PIPESTATUS[0]))
  ;;
emulated)
  if [ -n "$full32" ]; then
    # Every suite in a process of its own, in the 32-bit prefix: all of Wine is emulated, slow
    # (minutes a suite) but with no native helper process for the dialogs to wait on.
    bash "$ROOT/scripts/emulated.sh" bash -c 'source "$1"; ensure_prefix win32' _ "$ROOT/scripts/common.sh"
    with_test_display bash "$ROOT/scripts/emulated.sh" bash "$ROOT/scripts/wine-tests.sh" "$BUILD/win32" 2>&1 |
      tee -a "$wine_log"
  else
    # In the x86_64 prefix Wine's helper processes (desktop, services) are 64-bit and run
    # natively: only the test program is emulated.
    echo "32-bit program tests under emulation: $chosen32"
    VERKO_WINEPREFIX="$BUILD/win64/wineprefix" VERKO_WARMUP="$BUILD/win64/verko_program_tests.exe" \
      with_test_display bash "$ROOT/scripts/emulated.sh" bash "$ROOT/scripts/wine-tests.sh" "$BUILD/win32" "$chosen32" 2>&1 |
      tee -a "$wine_log"
  fi
  rc=$((rc | PIPESTATUS[0]))
  ;;
*)
  echo "test.sh: this machine cannot run the 32-bit program tests (scripts/setup.sh as root has qemu do it)"
  rc=1
  ;;
esac
bash "$ROOT/tests/user/run_screenshot.sh" || rc=1

# CTest counts a skipped test among the passed ones and names it "(Skipped)".
native_skipped=$(grep -c '^[[:space:]]*[0-9]* - .* (Skipped)$' "$native_log")
passed=$((-native_skipped)) failed=0 skipped=$native_skipped
while read -r p f s; do passed=$((passed + p)) failed=$((failed + f)) skipped=$((skipped + s)); done < <(
  sed -n 's/.*tests passed, \([0-9]*\) tests\? failed out of \([0-9]*\).*/\2 \1/p' "$native_log" |
    awk '{print $1 - $2, $2, 0}'
  sed -n 's/^program tests .*: \([0-9]*\) passed, \([0-9]*\) failed, \([0-9]*\) skipped$/\1 \2 \3/p' "$wine_log")
summaries=$(($(grep -c 'tests passed, ' "$native_log") + $(grep -c '^program tests ' "$wine_log")))
[ "$summaries" -eq 3 ] || echo "test.sh: expected a native and two Wine test summaries, found $summaries"
echo
[ -z "$no_printer" ] || echo "$no_printer"
echo "tests: $passed passed, $failed failed, $skipped skipped"
[ "$structure_rc" -eq 0 ] && [ "$rc" -eq 0 ] && [ "$failed" -eq 0 ] && [ "$summaries" -eq 3 ]
