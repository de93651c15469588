#!/usr/bin/env bash
# Compares `tarnwick-cli lint` with the real server: for the corpus as a
# world folder and for copies with one record removed, every zone command
# the server disables (its SYSERR names the zone and line) must be an error
# lint reports on the same command. Skips (77) without the server or corpus.
# usage: lint_server_test.sh CLI SERVER_DIR CORPUS_DIR BUILD_DIR
set -u
cli=$1 server=${TARNWICK_SERVER:-$2} corpus=${TARNWICK_CORPUS:-$3}/circle30 build=$4
if [ ! -x "$server/check-world.sh" ] || [ ! -d "$corpus" ]; then
  echo "no server at $server or no corpus at $corpus: skipped"; exit 77
fi
command -v jq >/dev/null || { echo "jq missing: skipped"; exit 77; }
CIRCLE_BIN=$(bash "$(dirname "$0")/../../scripts/server-build.sh" "$server" "$build" circle30) ||
  { echo "FAIL: the server did not build"; exit 1; }
export CIRCLE_BIN
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

# remove_record FILE VNUM: drops "#VNUM" and its lines up to the next record.
remove_record() {
  awk -v head="#$2" '{ line = $0; sub(/\r$/, "", line) }
    line == head || line == head "~" { skip = 1; next }
    skip && substr(line, 1, 1) == "#" { skip = 0 }
    !skip' "$1" > "$1.new" && mv "$1.new" "$1"
}

# compare NAME WORLD: the server's disabled commands, as "zone:line", each found by lint.
compare() {
  local name=$1 world=$2
  bash "$server/check-world.sh" "$world" > "$tmp/server.log" 2>&1
  sed -n "s/.*offending cmd: '.' cmd in zone #\([0-9]*\), line \([0-9]*\).*/\1:\2/p" \
    "$tmp/server.log" | sort -u > "$tmp/server.txt"
  "$cli" lint --json "$world" > "$tmp/lint.json" 2>/dev/null
  jq -r '.[] | select(.severity == "error" and .kind == "command") | "\(.vnum):\(.line)"' \
    "$tmp/lint.json" | sort -u > "$tmp/lint.txt"
  local missed
  missed=$(comm -23 "$tmp/server.txt" "$tmp/lint.txt")
  echo "$name: server disabled $(wc -l < "$tmp/server.txt") commands," \
       "lint reports $(jq length "$tmp/lint.json") findings," \
       "$(jq '[.[] | select(.severity == "error")] | length' "$tmp/lint.json") errors"
  if [ -n "$missed" ]; then
    echo "FAIL: $name: lint misses what the server disabled (zone:line): $missed"
    failures=$((failures + 1))
  fi
  if [ "$name" != corpus ] && [ ! -s "$tmp/server.txt" ]; then
    echo "FAIL: $name: the server disabled nothing, so the case proves nothing"
    failures=$((failures + 1))
  fi
}

# broken NAME FILE VNUM: a copy of the corpus without one record.
broken() {
  rm -rf "$tmp/world"; cp -r "$corpus" "$tmp/world"
  remove_record "$tmp/world/$2" "$3"
  compare "$1" "$tmp/world"
}

compare corpus "$corpus"
broken "room 3005 removed" wld/30.wld 3005
broken "mob 3020 removed" mob/30.mob 3020
broken "object 3035 removed" obj/30.obj 3035
broken "shop keeper 3000 removed" mob/30.mob 3000
"$cli" lint "$tmp/world" | grep -q 'Shop #3000: Keeper mob #3000 does not exist \[shop-keeper\]' ||
  { echo "FAIL: the shop without its keeper is not reported"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "lint finds every reference the server disables"
exit $((failures > 0))
