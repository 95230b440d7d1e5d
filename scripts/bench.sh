#!/usr/bin/env bash
# Builds the benchmarks (optimised, no sanitizers) and runs them: native ones, then those under Wine.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
bash "$ROOT/scripts/setup.sh"
bash "$ROOT/scripts/printer.sh"
arch=$(runnable_arch)

configure "$BUILD/bench-native" -DCMAKE_BUILD_TYPE=Release -DVERKO_SANITIZE=OFF -DVERKO_BENCH=ON
ninja -C "$BUILD/bench-native"
export VERKO_RUSSIAN_TEXT="$BUILD/russian_held_out.txt"; [ -s "$VERKO_RUSSIAN_TEXT" ] || python3 "$ROOT/scripts/make_russian_model.py" --held-out "$VERKO_RUSSIAN_TEXT"
for b in "$BUILD"/bench-native/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"; "$b"
done

dir="$BUILD/bench-$arch"
configure "$dir" -DCMAKE_TOOLCHAIN_FILE="$(toolchain "$arch")" -DCMAKE_BUILD_TYPE=Release \
          -DVERKO_BENCH=ON -DVERKO_PROGRAM_TESTS=OFF
ninja -C "$dir"
export WINEPREFIX="$BUILD/$arch/wineprefix"
ensure_prefix "$arch"
loader=$(wine_loader "$arch")
marker=$(mktemp)
run='for b in "$1"/win_bench_*.exe; do [ -f "$b" ] || continue; echo "== $(basename "$b")"; "$2" "$b"; done'
if [ -n "${DISPLAY:-}" ]; then bash -c "$run" _ "$dir" "$loader"
else xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$run" _ "$dir" "$loader"
fi
# The printing benchmark's job: once the queue has made its PDF, remove it.
for _ in $(seq 600); do [ -z "$(lpstat -o 2>/dev/null)" ] && break; sleep 0.1; done
find "$(getent passwd "$(id -un)" | cut -d: -f6)/PDF" -name '*.pdf' -newer "$marker" -delete 2>/dev/null || true
rm -f "$marker"
