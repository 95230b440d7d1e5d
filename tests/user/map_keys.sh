#!/usr/bin/env bash
# Puts the letters the cases type but the keyboard map lacks (Cyrillic) on keys
# no case uses (the 102nd key, then backslash), before Wine starts on this
# display. Otherwise xdotool remaps a spare key code for each press, and on a
# loaded machine the program may read the press with the map already restored:
# the letter is lost.
set -uo pipefail
donors=(94 51)
for sym in $(grep -o 'Cyrillic_[A-Za-z_]*' "$(dirname "$0")/cases.txt" | sort -u); do
  xmodmap -pke | grep -q "= $sym\b" && continue
  [ ${#donors[@]} -gt 0 ] || { echo "map_keys: no key left for $sym" >&2; exit 1; }
  xmodmap -e "keycode ${donors[0]} = $sym $sym"
  donors=("${donors[@]:1}")
done
