#!/usr/bin/env bash
# Builds the benchmarks (optimised, no sanitizers) and runs every one: native ones, then those
# under Wine. A benchmark exits non-zero when a figure misses its target or a result is wrong;
# the last lines name those that failed, and the exit status is non-zero when any did.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
# The coding guess is measured on Russian text of two packages.
bash "$ROOT/scripts/setup.sh" fortunes-ru manpages-ru || exit 1
# The benchmarks under Wine need a display: without one, the whole run goes on a new Xvfb.
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
# Without a printer the others still run; the printing benchmark fails.
bash "$ROOT/scripts/printer.sh" || echo "bench.sh: no printer (scripts/printer.sh failed): the printing benchmark fails"
arch=$(runnable_arch)
dir="$BUILD/bench-$arch"

set -e
configure "$BUILD/bench-native" -DCMAKE_BUILD_TYPE=Release -DVERKO_SANITIZE=OFF -DVERKO_BENCH=ON
ninja -C "$BUILD/bench-native"
export VERKO_RUSSIAN_TEXT="$BUILD/russian_held_out.txt"
[ -s "$VERKO_RUSSIAN_TEXT" ] || python3 "$ROOT/scripts/make_russian_model.py" --held-out "$VERKO_RUSSIAN_TEXT"
configure "$dir" -DCMAKE_TOOLCHAIN_FILE="$(toolchain "$arch")" -DCMAKE_BUILD_TYPE=Release \
          -DVERKO_BENCH=ON -DVERKO_PROGRAM_TESTS=OFF
ninja -C "$dir"
export WINEPREFIX="$BUILD/$arch/wineprefix"
ensure_prefix "$arch"
set +e
loader=$(wine_loader "$arch")
marker=$(mktemp)

# run NAME COMMAND...: one benchmark; a failed or hung one is noted.
ran=0 failed=()
run() {
  local name=$1
  shift
  echo "== $name"
  ran=$((ran + 1))
  timeout 900 "$@" || failed+=("$name")
}
for b in "$BUILD"/bench-native/bench_*; do [ -x "$b" ] && run "$(basename "$b")" "$b"; done
for b in "$dir"/win_bench_*.exe; do [ -f "$b" ] && run "$(basename "$b")" "$loader" "$b"; done

# The printing benchmark's job (titled by the empty document's caption): once the queue has
# made its PDF, remove it.
for _ in $(seq 600); do [ -z "$(lpstat -o 2>/dev/null)" ] && break; sleep 0.1; done
find "$(getent passwd "$(id -un)" | cut -d: -f6)/PDF" -name '*NoName*-job_*.pdf' -newer "$marker" -delete 2>/dev/null
rm -f "$marker"

echo
echo "benchmarks: $ran run, ${#failed[@]} failed${failed[*]:+: ${failed[*]}}"
[ ${#failed[@]} -eq 0 ]
