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
# Where the sandbox refuses chattr or mount, those two cases are named as not checked.
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

fail() { echo "host_files: $*"; rc=1; }
expect_stat() { got=$(stat -c '%a %h %F' "$1"); [ "$got" = "$2" ] || fail "$1 is '$got', wanted '$2'"; }
expect_stat private.txt '600 1 regular file'
expect_stat link.txt '777 1 symbolic link'
expect_stat linked.txt '640 2 regular file'
saved=(private.txt target.txt second.txt "$deep/a.txt")
[ -n "${VERKO_HOST_LOCKED:-}" ] && saved+=(locked/locked.txt)
for f in "${saved[@]}"; do
  [ "$(cat "$f")" = "new old" ] || fail "$f holds '$(cat "$f")'"
done
[ -z "${VERKO_HOST_DISK:-}" ] || cmp -s disk/big.txt <(printf 'new '; head -c 40000 /dev/zero | tr '\0' o) || fail "disk/big.txt was not saved"
cmp -s disk/full.txt <(head -c 20000 /dev/zero | tr '\0' o) || fail "disk/full.txt changed"
leftovers=$(ls ./*.vbak locked/*.vbak disk/*.vbak "$temp"/*.vbak 2>/dev/null)
[ -z "$leftovers" ] || fail "backups left behind: $leftovers"
[ -f 'Новый.txt' ] || fail "no file named Новый.txt"
[ "$rc" -eq 0 ] && echo "host_files: passed"
exit "$rc"
