#!/usr/bin/env bash
# Puts the letters the cases type but the keyboard map lacks (Cyrillic) on keys
# no case uses (the 102nd key, then backslash), before Wine starts on this
# display. Otherwise xdotool remaps a spare key code for each press, and on a
# loaded machine the program may read the press with the map already restored:
# the letter is lost. Only on the tests' own display: a person's keyboard map
# is left alone.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
on_test_display || { echo "map_keys: ${DISPLAY:-no display} is not the tests' own display; its keys are left alone" >&2; exit 1; }
donors=(94 51)
for sym in $(grep -o 'Cyrillic_[A-Za-z_]*' "$(dirname "$0")/cases.txt" | sort -u); do
  xmodmap -pke | grep -q "= $sym\b" && continue
  [ ${#donors[@]} -gt 0 ] || { echo "map_keys: no key left for $sym" >&2; exit 1; }
  xmodmap -e "keycode ${donors[0]} = $sym $sym"
  donors=("${donors[@]:1}")
done
