#!/bin/sh
# Writes fortunes_utf8.txt: Russian prose in UTF-8, six files of the Debian
# package fortunes-ru (GPL-2) one after another, unchanged. All of it converts
# to CP1251, CP866 and KOI8-R; three lines start a word with a small letter
# followed by a capital, as real prose sometimes does.
# Needs apt-get (to fetch the package) and dpkg-deb.
# Run from anywhere: sh tests/data/make_fortunes.sh
set -e
out=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get download fortunes-ru >/dev/null 2>&1)
dpkg-deb -x "$work"/fortunes-ru_*.deb "$work/x"
cd "$work/x/usr/share/games/fortunes/ru"
cat 2001.03 human_being man_and_woman 2003.01 2003.02 2003.03 > "$out/fortunes_utf8.txt"
