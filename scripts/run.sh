#!/usr/bin/env bash
# Builds Verko and starts it under Wine: run.sh [--screenshot FILE.png] [FILE]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
shot=
if [ "${1:-}" = --screenshot ]; then shot=$(realpath -m "$2"); shift 2; fi
[ -n "$shot" ] && mkdir -p "$(dirname "$shot")"
file=${1:-}

bash "$ROOT/scripts/setup.sh"
arch=$(runnable_arch)
# A build folder made by the test command keeps its tests.
tests=OFF
grep -q '^VERKO_PROGRAM_TESTS:BOOL=ON' "$BUILD/$arch/CMakeCache.txt" 2>/dev/null && tests=ON
build_windows "$arch" "$tests" >/dev/null
ensure_prefix "$arch"
exe="$BUILD/$arch/verko.exe"
args=()
# The Windows name of the file without winepath: a Wine tool started here, with no display,
# would leave a wineserver that the program then joins and cannot open a window on.
[ -n "$file" ] && { path=$(realpath "$file"); args=("Z:${path//\//\\}"); }

if [ -z "$shot" ]; then
  if [ -n "${DISPLAY:-}" ]; then exec "$(wine_loader "$arch")" "$exe" "${args[@]}"; fi
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$(wine_loader "$arch")" "$exe" "${args[@]}"
fi

# Screenshot: start under Xvfb, wait for the main window and until the screen shows
# it painted (not blank, and the same on two looks in a row), save it, quit.
cat > "$BUILD/shot.sh" <<SH
"$(wine_loader "$arch")" "$exe" ${args[@]+"${args[@]@Q}"} &
for i in \$(seq 1 120); do
  xwininfo -root -tree 2>/dev/null | grep -q -- '-VERKO"' && break
  # The program ended without a window (Wine could not open one): say so, no black picture.
  kill -0 \$! 2>/dev/null || { echo "run.sh: Verko ended without showing its window" >&2; exit 1; }
  sleep 0.5
done
last="$BUILD/shot-last.png"; now="$BUILD/shot-now.png"
rm -f "\$last"
for i in \$(seq 1 120); do
  sleep 0.5
  import -window root "\$now"
  if [ "\$(identify -format %k "\$now")" -gt 16 ] && [ -f "\$last" ] &&
     [ "\$(compare -metric AE "\$now" "\$last" null: 2>&1)" = 0 ]; then break; fi
  cp "\$now" "\$last"
done
mv "\$now" "$shot"
rm -f "\$last"
wineserver -k 2>/dev/null || true
SH
xvfb-run -a -s "-screen 0 1024x768x24" bash "$BUILD/shot.sh"
echo "screenshot: $shot"
