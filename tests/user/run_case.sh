#!/usr/bin/env bash
# Runs one case of tests/user/cases.txt: opens its file in the real program
# under the current X display, sends its steps as real X key events and mouse
# clicks (xdotool), and compares the bytes saved at each "=" step.
# Usage: run_case.sh PATH/TO/verko.exe CASE
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
exe=$(realpath "$1")
name=$2
export WINEPREFIX="$(dirname "$exe")/wineprefix"
loader=$(wine_loader "$([ "$(basename "$(dirname "$exe")")" = win32 ] && echo win32 || echo win64)")
command -v xdotool >/dev/null || { echo "xdotool is missing (scripts/setup.sh installs it)"; exit 1; }
# Keys go to the tests' own display only (scripts/test.sh starts one); elsewhere the case is skipped.
on_test_display || { echo "SKIPPED $name: ${DISPLAY:-no display} is not the tests' own display"; exit 77; }

line=$(grep -m1 "^$name | " "$ROOT/tests/user/cases.txt") || { echo "no case $name"; exit 1; }
IFS='|' read -r _ bytes steps <<<"$line"
bytes=${bytes# }
bytes=${bytes% }
read -ra steps <<<"$steps"

folder=$(mktemp -d /tmp/verko-user.XXXXXX)
pids=()
windows=()
finish() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$folder"
}
trap finish EXIT

fail() {
  echo "FAIL $name: $1"
  echo "  file:  $bytes"
  echo "  steps: ${steps[*]}"
  exit 1
}

# Starts the program on file N and waits for its window.
open_window() {
  local file=${files[$1]} title window
  title="^.$(basename "$file" .txt).txt.-VERKO\$"   # "[NAME.txt]-VERKO"; names need no escapes
  "$loader" "$exe" "Z:${file//\//\\}" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 1 200); do
    window=$(xdotool search --name "$title" 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.05
  done
  [ -n "$window" ] || fail "no window '$title'"
  windows[$1]=$window
}

# A click below the text, inside the editor: above the horizontal scroll bar.
click() {
  local WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "${windows[$current]}")"
  xdotool mousemove --window "${windows[$current]}" $((WIDTH / 2)) $((HEIGHT - 40)) click "$1"
}

hex() { od -An -tx1 -v "$1" | tr -s ' \n' ' '; }

# Ctrl+S, then the saved file must hold the bytes. The file is written in place
# while a backup copy stands beside it: the save is done once the file has
# changed and the copy is gone.
check_saved() {
  local file=${files[$current]} before
  before=$(stat -c %y "$file")
  saved() { [ "$(stat -c %y "$file" 2>/dev/null)" != "$before" ] && [ ! -e "$file.vbak" ]; }
  xdotool key ctrl+s
  for _ in $(seq 1 400); do
    saved && break
    sleep 0.05
  done
  saved || fail "Ctrl+S saved nothing (step $step)"
  printf '%b' "$1" >"$folder/expected"
  cmp -s "$folder/expected" "$file" ||
    fail "after step $step: saved $(hex "$file"), expected $(hex "$folder/expected")"
}

"$loader" reg delete 'HKCU\Software\Quarnet\Dovido' /f >/dev/null 2>&1
files=("$folder/$name.txt" "$folder/$name-other.txt")
printf '%b' "$bytes" >"${files[0]}"
: >"${files[1]}"
# Without a window manager the window opened last is the active one, and a
# focused window that is not active gets no keys: the second window opens first.
[[ " ${steps[*]} " == *" other "* ]] && open_window 1
open_window 0
current=0
xdotool windowfocus --sync "${windows[0]}" 2>/dev/null

keys=()
flush_keys() {
  [ ${#keys[@]} -eq 0 ] || xdotool key --delay 20 "${keys[@]}"
  keys=()
}
step=0
for token in "${steps[@]}"; do
  step=$((step + 1))
  case $token in
    =*) flush_keys; check_saved "${token#=}" ;;
    click) flush_keys; click 1 ;;
    pause) flush_keys; sleep 0.5 ;;
    rclick) flush_keys; click 3 ;;
    other)
      flush_keys
      current=1
      xdotool windowraise "${windows[1]}" windowfocus --sync "${windows[1]}" 2>/dev/null
      click 1 ;;
    *\*[0-9]*) for _ in $(seq 1 "${token##*\*}"); do keys+=("${token%\*[0-9]*}"); done ;;
    *) keys+=("$token") ;;
  esac
done
flush_keys
echo "ok $name"
