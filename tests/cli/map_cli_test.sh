#!/usr/bin/env bash
# tarnwick-cli map: the sample zone drawn as SVG (parsed back) and PNG.
set -u
cli="$1"
examples="$2"
source "$(dirname "$0")/expect.sh"

cp "$examples"/tarnwick.* "$tmp/"
"$cli" map "$tmp/tarnwick.qzp" -o "$tmp/map.svg"
expect "map writes an SVG" 0 $?
xmllint --noout "$tmp/map.svg"
expect "the SVG is well-formed XML" 0 $?
expect "the SVG root is an svg element" "svg" \
  "$(xmllint --xpath 'local-name(/*)' "$tmp/map.svg" 2>/dev/null)"
expect "the first room is drawn with its vnum" "18600" \
  "$(xmllint --xpath 'string(//*[local-name()="text"][.="18600"])' "$tmp/map.svg" 2>/dev/null)"

out=$("$cli" map "$tmp/tarnwick.qzp" --stats)
expect "stats: no overlapping rooms" "overlapping rooms 0" "$(grep -o 'overlapping rooms [0-9]*' <<<"$out")"

"$cli" map "$tmp/tarnwick.qzp" -o "$tmp/map.png" --level 1
expect "map writes a PNG of another level" 0 $?
expect "the PNG starts with the PNG signature" "89504e470d0a1a0a" \
  "$(head -c 8 "$tmp/map.png" | od -An -tx1 | tr -d ' \n')"

# The tool loads no Qt: PNG drawing is the separate program beside it, found
# there first, then on PATH, and named when it is in neither place.
expect "the tool links no Qt library" "" "$(ldd "$cli" | grep -o 'libQt[^ ]*')"
mkdir "$tmp/alone" "$tmp/onpath"
cp "$cli" "$tmp/alone/"
# PATH holds only an empty folder: an installed package's copy in /usr/bin
# (CI installs one while these tests run) must not be found.
mkdir "$tmp/empty"
err=$(PATH="$tmp/empty" "$tmp/alone/tarnwick-cli" map "$tmp/tarnwick.qzp" -o "$tmp/alone.png" 2>&1)
expect "PNG without the map program fails" 1 $?
expect "the failure names the missing program" "tarnwick-map-png" "$(grep -o 'tarnwick-map-png' <<<"$err" | head -1)"
[ ! -e "$tmp/alone.png" ]; expect "nothing is written without the map program" 0 $?
"$tmp/alone/tarnwick-cli" map "$tmp/tarnwick.qzp" -o "$tmp/alone.svg"
expect "SVG needs no map program" 0 $?
ln -s "$(realpath "$(dirname "$cli")")/tarnwick-map-png" "$tmp/onpath/"
PATH="$tmp/onpath" "$tmp/alone/tarnwick-cli" map "$tmp/tarnwick.qzp" -o "$tmp/path.png"
expect "the map program is found on PATH" 0 $?
"$cli" map "$tmp/tarnwick.qzp" -o "$tmp/map0.png"
cmp -s "$tmp/path.png" "$tmp/map0.png"
expect "the map program on PATH draws the same PNG" 0 $?
err=$("$cli" map "$tmp/tarnwick.qzp" -o "$tmp/none.png" --level 42 2>&1)
expect "the map program refuses an empty level as the tool does" \
  "1 tarnwick-cli: no rooms on level 42 (levels: -1, 0, 1)" "$? $err"

err=$("$cli" map "$tmp/tarnwick.qzp" -o "$tmp/none.svg" --level 42 2>&1)
expect "a level without rooms is refused" 1 $?
expect "the refusal names the levels" "tarnwick-cli: no rooms on level 42 (levels: -1, 0, 1)" "$err"
[ ! -e "$tmp/none.svg" ]; expect "nothing is written for a refused level" 0 $?
"$cli" map "$tmp/tarnwick.qzp" -o "$tmp/map.gif" 2>/dev/null
expect "an unknown picture type is a usage error" 2 $?

[ $failures -eq 0 ] && echo "map CLI tests passed"
exit $failures
