#!/usr/bin/env bash
# Tries what scripts/package.sh made as a Windows user would, under Wine in a prefix of its own:
# the installer run silently installs, the installed program opens a file, the uninstaller run
# silently leaves nothing of the program behind but the user's settings; a zip unpacked into a
# folder with a Cyrillic name starts with its own toolbar pictures. The 32-bit zip where the
# kernel runs 32-bit code, else the 64-bit one.
#   package_check.sh DIST VERSION
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
dist=$(realpath "$1") version=$2
export WINEPREFIX="$BUILD/package-check/wineprefix"
wine=/usr/lib/wine/wine64
mkdir -p "$WINEPREFIX"
[ -f "$WINEPREFIX/system.reg" ] || { "$wine" wineboot --init >/dev/null 2>&1; wineserver -w; }
folder=$(mktemp -d /tmp/verko-package.XXXXXX)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$folder"' EXIT
failed=0
check() { if eval "$2"; then echo "ok   $1"; else echo "FAIL $1"; failed=1; fi; }

# Starts PROGRAM (a Windows path) on FILE and waits for the window titled "[NAME]-VERKO".
start_on() {
  "$wine" "$1" "Z:${2//\//\\}" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 1 200); do
    window=$(xdotool search --name "^.$(basename "$2").-VERKO\$" 2>/dev/null | head -1)
    [ -n "$window" ] && return 0
    sleep 0.1
  done
  return 1
}
# Ends the programs started and the wineserver, which writes the registry out.
stop_all() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  pids=()
}
registry_has() { grep -qF "[$1]" "$WINEPREFIX/$2"; }

installed="$WINEPREFIX/drive_c/Program Files/Verko"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Verko.lnk"
uninstall_key='Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Verko'
open_with_key='Software\\Classes\\.txt\\OpenWithList\\verko.exe'
app_key='Software\\Classes\\Applications\\verko.exe\\shell\\open\\command'
printf 'Проба\r\n' | iconv -f UTF-8 -t CP1251 >"$folder/letter.txt"

"$wine" "$dist/verko-$version-setup.exe" /S >/dev/null 2>&1
check "the installer puts the 64-bit program into Program Files\\Verko" \
  'cmp -s "$installed/verko.exe" "$dist/stage/verko-$version-win64/verko.exe"'
check "with its toolbar pictures, help, read-me and uninstaller" \
  'for f in toolbar2.bmp largebar.bmp help.txt readme.txt uninstall.exe; do [ -f "$installed/$f" ] || exit 1; done'
check "a Start menu shortcut" '[ -f "$shortcut" ]'
check "the installed program opens a file" 'start_on "C:\\Program Files\\Verko\\verko.exe" "$folder/letter.txt"'
stop_all
check "an entry in the installed programs and an Open with entry for .txt" \
  'registry_has "$uninstall_key" system.reg && registry_has "$open_with_key" system.reg && registry_has "$app_key" system.reg'
check "the .txt default is not taken" '! grep -A3 -F "[Software\\\\Classes\\\\.txt]" "$WINEPREFIX/system.reg" | grep -qi verko'
check "the program left its settings" 'registry_has "Software\\\\Quarnet\\\\Dovido" user.reg'

"$wine" "C:\\Program Files\\Verko\\uninstall.exe" /S >/dev/null 2>&1
# The uninstaller runs on from a copy of itself and ends on its own.
for _ in $(seq 1 600); do [ -e "$installed" ] || break; sleep 1; done
stop_all
check "the uninstaller leaves no file of the program" '[ ! -e "$installed" ] && [ ! -e "$shortcut" ]'
check "nor its registry entries" \
  '! registry_has "$uninstall_key" system.reg && ! registry_has "$open_with_key" system.reg &&
   ! registry_has "${app_key%%\\\\shell*}" system.reg'
check "and keeps the user's settings" 'registry_has "Software\\\\Quarnet\\\\Dovido" user.reg'

# A zip unpacked into a Cyrillic folder, its toolbar showing the buttons whose pictures are
# in toolbar2.bmp (to ANSI, to OEM, to KOI8, Justify): drawn, not blank.
arch=$(runnable_arch)
unzip -q "$dist/verko-$version-$arch.zip" -d "$folder/Проба Верко"
program="$folder/Проба Верко/verko-$version-$arch/verko.exe"
"$wine" reg add 'HKCU\Software\Quarnet\Dovido' /v TBS /t REG_BINARY /d 1700000018000000190000001f000000 /f \
  >/dev/null 2>&1
wineserver -w
check "the $arch zip in a Cyrillic folder starts" 'start_on "Z:${program//\//\\}" "$folder/letter.txt"'
# Painted: two looks in a row the same.
for _ in $(seq 1 50); do
  sleep 0.2
  import -window "$window" "$folder/now.png"
  cmp -s "$folder/now.png" "$folder/window.png" && break
  mv "$folder/now.png" "$folder/window.png"
done
stop_all
# Blank buttons leave the toolbar all light; the four pictures darken a tenth of it.
light=$(convert "$folder/window.png" -crop 100x24+0+21 +repage -colorspace gray -threshold 50% -format '%[fx:mean]' info:)
check "with its toolbar pictures (light share of the toolbar: $light)" 'awk -v v="$light" "BEGIN { exit !(v < 0.95) }"'
[ "$failed" -eq 0 ] && echo "package check: all passed"
exit "$failed"
