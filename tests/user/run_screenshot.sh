#!/usr/bin/env bash
# The README's first command as a new user meets it: with no wineserver running,
# scripts/run.sh --screenshot on a file must give a picture of the window with its text
# (the fault it guards against: a wineserver left without a display by a preparation step,
# which the program joined and then showed nothing).
#   run_screenshot.sh [SHOT.png]   keeps the picture there (else in a temporary folder)
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
folder=$(mktemp -d /tmp/verko-shot.XXXXXX)
trap 'rm -rf "$folder"' EXIT
shot=${1:-$folder/shot.png}
arch=$(runnable_arch)
WINEPREFIX="$BUILD/$arch/wineprefix" wineserver -k 2>/dev/null
WINEPREFIX="$BUILD/$arch/wineprefix" wineserver -w 2>/dev/null
env -u DISPLAY bash "$ROOT/scripts/run.sh" --screenshot "$shot" "$ROOT/tests/data/prose_cp1251.txt" >/dev/null ||
  { echo "FAIL run.sh --screenshot ended with an error"; exit 1; }

fail=0
# fx:mean of a part turned black and white at 50%: the share of its light pixels.
light() { convert "$shot" -crop "$1" +repage -colorspace gray -threshold 50% -format '%[fx:mean]' info:; }
check() {   # check WHAT AWK-CONDITION VALUE
  if awk -v v="$3" "BEGIN { exit !($2) }"; then echo "ok   $1 ($3)"; else echo "FAIL $1 ($3)"; fail=1; fi
}
# The window is what is not the black screen around it.
read -r w h x y < <(convert "$shot" -trim -format '%w %h %X %Y' info: | tr -d '+')
check "a window of at least 400 x 300 on the screen" 'v >= 400 * 300' "$((w * h))"
# The menu bar: a light strip along the top with the dark letters of its items.
menu=$(light "${w}x18+$x+$((y + 1))")
check "a menu bar: light, with letters" 'v > 0.75 && v < 0.99' "$menu"
# The client area under the toolbar: a light page with the file's letters on it.
text=$(light "$((w - 40))x$((h - 150))+$((x + 8))+$((y + 55))")
check "text in the client area: light, with letters" 'v > 0.6 && v < 0.995' "$text"
[ "$fail" -eq 0 ] && echo "run.sh --screenshot: the window with its text"
exit "$fail"
