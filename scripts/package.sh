#!/usr/bin/env bash
# Builds the optimised programs for win32 and win64, stripped, and makes under dist/ the zips
# verko-VERSION-win32.zip and verko-VERSION-win64.zip and the installer verko-VERSION-setup.exe.
#   package.sh [--check]   --check then tries them under Wine (tests/user/package_check.sh)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
check=
case "${1:-}" in
--check) check=1 ;;
"") ;;
*) echo "usage: scripts/package.sh [--check]" >&2; exit 2 ;;
esac
bash "$ROOT/scripts/setup.sh" nsis zip unzip
version=$(sed -n 's/^project(Verko VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
dist="$ROOT/dist"
stage="$dist/stage"
rm -rf "$stage"
mkdir -p "$stage"

# The files beside the program in both zips and the installer; text with Windows line ends.
windows_text() { sed 's/\r$//; s/$/\r/' "$1" >"$2"; }
stage_files() {
  local to=$1
  windows_text "$ROOT/res/help.txt" "$to/help.txt"
  cat >"$to/readme.txt" <<TXT
Verko $version - a text editor for Russian text in the old Cyrillic codings
(Windows-1251, CP866, KOI8-R), which keeps a file's bytes exactly as they are.

Start verko.exe; toolbar2.bmp and largebar.bmp hold pictures of the toolbar and
stand beside it. help.txt is the text the Help command shows.
Settings are kept in the registry under HKEY_CURRENT_USER\\Software\\Quarnet\\Dovido.
TXT
  windows_text "$to/readme.txt" "$to/readme.tmp" && mv "$to/readme.tmp" "$to/readme.txt"
  if [ -f "$ROOT/LICENSE" ]; then
    windows_text "$ROOT/LICENSE" "$to/licence.txt"
  else
    echo "package.sh: the repository has no LICENSE file; the packages go without a licence" >&2
  fi
}

for arch in win32 win64; do
  dir="$BUILD/release-$arch" name="verko-$version-$arch"
  # The optimised build the tests run (its objects come from the compiler cache), stripped.
  configure "$dir" -DCMAKE_TOOLCHAIN_FILE="$(toolchain "$arch")" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DVERKO_PROGRAM_TESTS=OFF
  nice ninja -C "$dir" verko
  cmake --install "$dir" --prefix "$stage/$name" --strip >/dev/null
  stage_files "$stage/$name"
  rm -f "$dist/$name.zip"
  (cd "$stage" && zip -qr "$dist/$name.zip" "$name")
  echo "package.sh: $dist/$name.zip"
done

makensis -V2 -DVERSION="$version" -DWIN32DIR="$stage/verko-$version-win32" -DWIN64DIR="$stage/verko-$version-win64" \
  -DOUTFILE="$dist/verko-$version-setup.exe" "$ROOT/scripts/installer.nsi"
echo "package.sh: $dist/verko-$version-setup.exe"
[ -n "$check" ] && exec bash "$ROOT/tests/user/package_check.sh" "$dist" "$version"
exit 0
