#!/bin/sh
# Regenerates cp874.txt, the golden table the codec test checks against, from this machine's iconv.
# One line per byte: the byte in hex, then the Unicode code point in hex, or "-" when iconv refuses
# the byte. Run it by hand only when the reference should change; the test never calls iconv.
set -eu
out="$(dirname "$0")/cp874.txt"
tmp="$out.tmp"
: >"$tmp"
i=0
while [ "$i" -lt 256 ]; do
    byte=$(printf '%02X' "$i")
    # UTF-32BE gives the code point as four plain bytes, easy to print as one hex number.
    if cp=$(printf "\\$(printf '%03o' "$i")" | iconv -f CP874 -t UTF-32BE 2>/dev/null | od -An -tx1 | tr -d ' \n') \
        && [ ${#cp} -eq 8 ]; then
        printf '%s %04X\n' "$byte" "0x$cp" >>"$tmp"
    else
        printf '%s -\n' "$byte" >>"$tmp"
    fi
    i=$((i + 1))
done
mv "$tmp" "$out"
