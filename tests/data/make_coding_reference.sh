#!/bin/sh
# Writes coding_reference.txt: for every byte 0x80..0xFF of each code page, the
# Unicode code point that glibc's iconv gives it ("-" when iconv rejects the byte).
# Line format: <coding index> <byte hex> <code point hex or ->
# Run from anywhere: sh tests/data/make_coding_reference.sh
set -e
out="$(dirname "$0")/coding_reference.txt"
: > "$out"
index=0
for charset in CP1251 CP866 KOI8-R ISO-8859-5 MAC-CYRILLIC; do
    b=128
    while [ $b -le 255 ]; do
        hex=$(printf '%02X' $b)
        cp=$(printf "\\$(printf '%03o' $b)" | iconv -f $charset -t UTF-32BE 2>/dev/null | od -An -tx1 | tr -d ' \n' || true)
        if [ -n "$cp" ]; then cp=$(printf '%04X' "0x$cp"); else cp=-; fi
        echo "$index $hex $cp" >> "$out"
        b=$((b + 1))
    done
    index=$((index + 1))
done
