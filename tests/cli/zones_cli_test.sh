#!/usr/bin/env bash
# tarnwick-cli over a server's world folder: zones, and project create --world-dir.
set -u
cli="$1"
examples="$2"
corpus="${3:-}"
source "$(dirname "$0")/expect.sh"

# A world folder of two zones: the example zone whole, and zone 7 whose room
# file is broken and which has no mobiles, objects or shops.
w="$tmp/world"
for t in zon wld mob obj shp; do mkdir -p "$w/$t"; cp "$examples/tarnwick.$t" "$w/$t/186.$t"; done
printf '#7\nBroken Zone~\n799 30 2\nS\n$\n' > "$w/zon/7.zon"
printf '#700\nxx' > "$w/wld/7.wld"
before=$(cd "$w" && find . -type f | sort | xargs md5sum)

out=$("$cli" zones "$w" 2>&1); rc=$?
expect "a zone that does not load fails the listing" 1 $rc
expect "zones are listed in number order with counts" \
  "     7  Broken Zone                         799      0      0      0      0      0
        did not load: 7.wld: The file could not be read from line 1 on: Format error in room #700. 1 record could not be read; none came before.
   186  The Tarnwick Mere                 18699     12      5      9      2     17" \
  "$(echo "$out" | tail -n +2)"
out=$("$cli" zones "$w" --json)
expect "json names the problem or null" \
  '"problem": "7.wld: The file could not be read from line 1 on: Format error in room #700. 1 record could not be read; none came before."},|"problem": null}' \
  "$(echo "$out" | grep -o '"problem": [^}]*},\?' | paste -sd'|')"

# JSON is UTF-8: the files' Windows-1252 letters (0xE9, and 0x80 the euro
# sign) become their characters; quotes are escaped.
mkdir -p "$tmp/w2/zon"
printf '#9\nCaf\xe9 \x80 "9"~\n999 30 2\nS\n$\n' > "$tmp/w2/zon/9.zon"
expect "json names are UTF-8" '"name": "Café € \"9\""' \
  "$("$cli" zones "$tmp/w2" --json | grep -o '"name": "[^,]*",' | sed 's/,$//')"

"$cli" project create "$tmp/z.qzp" --world-dir "$w" --zone 186 --author Ana
expect "project create --world-dir succeeds" 0 $?
info=$("$cli" project info "$tmp/z.qzp")
# Below the project's folder, so named from it.
expect "the project names the zone's files in place" "zone_name: The Tarnwick Mere
author: Ana
zone_file: world/zon/186.zon
room_file: world/wld/186.wld
shop_file: world/shp/186.shp
zone_number: 186" "$(echo "$info" | grep -E '^(zone_name|author|zone_file|room_file|shop_file|zone_number):')"
"$cli" check "$tmp/z.qzp" >/dev/null 2>&1; expect "check opens the project" 0 $?

for bad in "--world-dir $w --zone 99:1" "--world-dir $w:2" "--world-dir $w --zone x:2" \
           "--world-dir $tmp/none --zone 7:1"; do
  "$cli" project create "$tmp/bad.qzp" ${bad%:*} >/dev/null 2>&1
  expect "project create ${bad%:*}" "${bad##*:}" $?
done
expect "nothing is written for a refused project" "" "$(ls "$tmp"/bad.qzp 2>/dev/null)"
"$cli" zones "$tmp" >/dev/null 2>&1; expect "a folder without zon/ or wld/ is refused" 1 $?
expect "the world folder is never written" "$before" "$(cd "$w" && find . -type f | sort | xargs md5sum)"

if [ -n "$corpus" ] && [ -d "$corpus/zon" ]; then
  out=$("$cli" zones "$corpus"); rc=$?
  expect "the corpus loads" 0 $rc
  expect "every corpus zone is listed" "$(ls "$corpus/zon" | grep -c '\.zon$')" \
    "$(echo "$out" | tail -n +2 | wc -l)"
fi

[ $failures -eq 0 ] && echo "zones cli tests passed"
exit $((failures > 0))
