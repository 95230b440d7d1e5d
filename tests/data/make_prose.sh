#!/bin/sh
# Writes the document test inputs into this folder:
#  prose_cp866.txt, prose_koi8r.txt, prose_cp1251.txt: Russian prose from the
#    Debian package fortunes-ru (file ru/2001.05, GPL-2) converted with iconv;
#  prose_cp1251.gz: that text compressed, a real binary file (with zero bytes);
#  fortunes_utf8.txt: six files of the same package one after another, unchanged
#    UTF-8; all of it converts to CP1251, CP866 and KOI8-R, and three lines start
#    a word with a small letter followed by a capital, as real prose sometimes does;
#  fortunes_cp1251.txt, fortunes_cp866.txt, fortunes_koi8r.txt: that file converted with iconv;
#  all_bytes_crlf.txt: every byte 0x01..0xFF, sixteen to a line, lines ended by CR LF
#    (so it also holds a lone LF 0x0A and a lone CR 0x0D).
# Needs apt-get (to fetch the package), dpkg-deb, iconv and gzip.
# Run from anywhere: sh tests/data/make_prose.sh
set -e
out=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get download fortunes-ru >/dev/null 2>&1)
dpkg-deb -x "$work"/fortunes-ru_*.deb "$work/x"
source="$work/x/usr/share/games/fortunes/ru/2001.05"
iconv -f UTF-8 -t CP866 "$source" > "$out/prose_cp866.txt"
iconv -f UTF-8 -t KOI8-R "$source" > "$out/prose_koi8r.txt"
iconv -f UTF-8 -t CP1251 "$source" > "$out/prose_cp1251.txt"
gzip -9 -n -c "$out/prose_cp1251.txt" > "$out/prose_cp1251.gz"
(cd "$(dirname "$source")" && cat 2001.03 human_being man_and_woman 2003.01 2003.02 2003.03) > "$out/fortunes_utf8.txt"
for coding in CP1251:cp1251 CP866:cp866 KOI8-R:koi8r; do
    iconv -f UTF-8 -t "${coding%%:*}" "$out/fortunes_utf8.txt" > "$out/fortunes_${coding##*:}.txt"
done

: > "$out/all_bytes_crlf.txt"
b=1
while [ $b -le 255 ]; do
    printf "\\$(printf '%03o' $b)" >> "$out/all_bytes_crlf.txt"
    if [ $((b % 16)) -eq 15 ] || [ $b -eq 255 ]; then printf '\r\n' >> "$out/all_bytes_crlf.txt"; fi
    b=$((b + 1))
done
