#!/usr/bin/env bash
# Prepares files that only the host system can make, runs the HostFiles suite of
# the program tests on them under Wine, and then checks with stat that each
# saved file kept its permissions, its links and its kind, and that no backup
# copy was left behind. Needs root (chattr, mount), as the test machines run.
set -u
exe=$(realpath "$1")
wine_exec=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-exec.sh")
prefix=$(dirname "$exe")/wineprefix
temp="$prefix/drive_c/users/$(id -un)/Temp"
mkdir -p "$temp"
dir=$(mktemp -d "$temp/verko-host.XXXXXX")
# The wine server may still hold the small disk open: it is detached lazily.
cleanup() { chattr -i "$dir/locked" 2>/dev/null; umount -l "$dir/disk" 2>/dev/null; rm -rf "$dir"; }
trap cleanup EXIT
cd "$dir" || exit 1
printf old > private.txt && chmod 600 private.txt
printf old > target.txt && ln -s target.txt link.txt
printf old > linked.txt && chmod 640 linked.txt && ln linked.txt second.txt
# Where the sandbox refuses chattr or mount, those cases and their checks are skipped and counted so.
mkdir locked && printf old > locked/locked.txt
if chattr +i locked 2>/dev/null; then export VERKO_HOST_LOCKED=1; else
  echo "host_files: chattr is refused here; the folder that takes no new files is not checked"; fi
mkdir disk
if mount -t tmpfs -o size=64k tmpfs disk 2>/dev/null; then export VERKO_HOST_DISK=1; else
  echo "host_files: mount is refused here; the full disk is not checked"; fi
head -c 20000 /dev/zero | tr '\0' o > disk/full.txt
head -c 40000 /dev/zero | tr '\0' o > disk/big.txt   # no room beside it for a copy
printf '\317\360\350\342\345\362\r\n' > 'Мой текст.txt'
# A folder so deep that its file's name has the longest length and no copy fits beside it.
windows="C:\\users\\$(id -un)\\Temp\\$(basename "$dir")"
deep=$(printf "%$((259 - ${#windows} - 7))s" | tr ' ' d)
mkdir "$deep" && printf old > "$deep/a.txt"

# Run from the build folder, which keeps the suite's report in results/ with the others'.
(cd "$(dirname "$exe")" && VERKO_HOST_FILES="$windows" VERKO_DEEP_FOLDER="$deep" \
  "$wine_exec" "$exe" --gtest_filter='HostFiles.*' --gtest_output=xml:results/HostFiles.xml)
rc=$?

# The checks here count in the test totals: results/HostFiles.checks holds
# "passed failed skipped" beside the suite's report.
passed=0 failed=0 skipped=0
check() {
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else echo "host_files: $what"; failed=$((failed + 1)); rc=1; fi
}
not_checked() { echo "host_files: not checked: $1"; skipped=$((skipped + 1)); }
kind_is() { [ "$(stat -c '%a %h %F' "$1")" = "$2" ]; }
holds_new() { [ "$(cat "$1")" = "new old" ]; }
kind_check() { check "$1 is '$(stat -c '%a %h %F' "$1")', wanted '$2'" kind_is "$1" "$2"; }

kind_check private.txt '600 1 regular file'
kind_check link.txt '777 1 symbolic link'
kind_check linked.txt '640 2 regular file'
for f in private.txt target.txt second.txt "$deep/a.txt"; do check "$f holds '$(cat "$f")'" holds_new "$f"; done
if [ -n "${VERKO_HOST_LOCKED:-}" ]; then
  check "locked/locked.txt holds '$(cat locked/locked.txt)'" holds_new locked/locked.txt
else
  not_checked "the save into the folder that takes no new files"
fi
if [ -n "${VERKO_HOST_DISK:-}" ]; then
  check "disk/big.txt was not saved" cmp -s disk/big.txt <(printf 'new '; head -c 40000 /dev/zero | tr '\0' o)
  check "disk/full.txt changed" cmp -s disk/full.txt <(head -c 20000 /dev/zero | tr '\0' o)
else
  not_checked "the save beside a big file on a small disk"
  not_checked "the full disk's file"
fi
leftovers=$(ls ./*.vbak locked/*.vbak disk/*.vbak "$temp"/*.vbak 2>/dev/null)
check "backups left behind: $leftovers" [ -z "$leftovers" ]
check "no file named Новый.txt" [ -f 'Новый.txt' ]
mkdir -p "$(dirname "$exe")/results"
echo "$passed $failed $skipped" >"$(dirname "$exe")/results/HostFiles.checks"
echo "host_files: $passed host checks passed, $failed failed, $skipped not checked"
exit "$rc"
