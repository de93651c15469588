#!/usr/bin/env bash
# tarnwick-cli lint as a CI job would call it: compiler-form lines, JSON,
# the severity floor and the exit status, over the sample and a broken copy.
set -u
cli="$1"
examples="$2"
source "$(dirname "$0")/expect.sh"

"$cli" lint "$examples/tarnwick.qzp" --min-severity error > "$tmp/out"; expect "the sample has no error" 0 $?
expect "nothing shown at error level" "" "$(cat "$tmp/out")"

cp "$examples"/tarnwick.* "$tmp/"
# Room 18604 gone: two exits and three zone commands point at nothing.
awk '/^#18604/{skip=1; next} /^#/{skip=0} !skip' "$examples/tarnwick.wld" > "$tmp/tarnwick.wld"
"$cli" lint "$tmp/tarnwick.qzp" > "$tmp/out"; expect "a broken zone fails" 1 $?
expect "compiler form with file, line and check" \
  "$tmp/tarnwick.wld:$(grep -n '^#18602' "$tmp/tarnwick.wld" | cut -d: -f1): error: Room #18602: Exit east leads to room #18604, which does not exist [exit-target]" \
  "$(grep -m1 'exit-target' "$tmp/out")"
expect "the zone command's own line" \
  "$tmp/tarnwick.zon:6: error: Zone #186 command 3: M command: room #18604 does not exist [cmd-room]" \
  "$(grep -m1 'cmd-room' "$tmp/out")"
expect "files given one by one find the same" "$(cat "$tmp/out")" \
  "$("$cli" lint "$tmp"/tarnwick.{zon,wld,mob,obj,shp})"
json=$("$cli" lint --json --min-severity error "$tmp/tarnwick.qzp")
expect "json holds the errors alone" "$(grep -c ': error:' "$tmp/out")" "$(grep -c '"severity": "error"' <<< "$json")"
grep -q '"kind": "room", "vnum": 18605, "command": -1, "field": "exit.down"' <<< "$json"
expect "json names record and field" 0 $?

# A world folder is walked as the server reads its files: a finding names
# its own line; rooms above one zone's top belong to the next zone, rooms
# above every top stop the server.
world=$tmp/world
mkdir -p "$world"/{zon,wld,mob,obj,shp}
for t in zon wld mob obj shp; do cp "$examples/tarnwick.$t" "$world/$t/186.$t"; done
printf '#187\nThe Next Zone~\n18799 20 2\nS\n$\n' > "$world/zon/187.zon"
long=$(head -c 510 /dev/zero | tr '\0' x)
sed -i '$d' "$world/wld/186.wld"
printf '#18700\nA Room Past The Top~\n%s\nend.\n~\n186 0 0\nS\n$\n' "$long" >> "$world/wld/186.wld"
"$cli" lint "$world" > "$tmp/out" 2>/dev/null
expect "a text line the server's buffer cannot hold, at its own line" \
  "$world/wld/186.wld:$(grep -n '^xxx' "$world/wld/186.wld" | cut -d: -f1): error: Room #18700: text line of 510 bytes: the server keeps at most 509 and overruns its line buffer or reads the rest as more lines [server-text]" \
  "$(grep -m1 'server-text' "$tmp/out")"
expect "a room above one zone's top is the next zone's" "" "$(grep 'top 18699' "$tmp/out")"
rm "$world/zon/187.zon"
"$cli" lint "$world" > "$tmp/out" 2>/dev/null
expect "a room above every zone's top" \
  "$world/wld/186.wld:$(grep -n '^#18700' "$world/wld/186.wld" | cut -d: -f1): error: Room #18700: above every zone's top (the highest is 18699, zone 186's): the server stops or crashes on it [server-text]" \
  "$(grep 'every zone' "$tmp/out")"

# A tbaMUD trigger file alone: its scripts are checked, findings on their own lines.
cat > "$tmp/10.trg" <<'EOF'
#1000
Guard blocks the north~
2 c 100
north~
%send% %actor% The guard blocks your way.
%load% obj 1099
wait
~
$~
EOF
"$cli" lint "$tmp/10.trg" > "$tmp/out"; expect "a broken script fails" 1 $?
expect "script findings on the file's lines" \
"$tmp/10.trg:1: note: Trigger #1000: no room, mob, object, T command or script attaches this trigger [trigger-unused]
$tmp/10.trg:6: error: Trigger #1000: line 2: %load% obj: object #1099 does not exist: the command fails when the trigger runs [script-vnum]
$tmp/10.trg:7: error: Trigger #1000: line 3: 'wait' without a blank and an argument after it is not the script's own 'wait': the server logs \"Unknown world cmd\" and does nothing [script-command]" \
  "$(cat "$tmp/out")"
expect "show prints a trigger" "$(sed -n 1,8p "$tmp/10.trg")" "$("$cli" show "$tmp/10.trg" 1000)"

"$cli" lint --min-severity bad "$tmp/tarnwick.qzp" 2>/dev/null; expect "a bad severity is a usage error" 2 $?
"$cli" lint 2>/dev/null; expect "lint without input is a usage error" 2 $?
"$cli" lint --help | grep -q 'WORLD_DIR'; expect "lint --help" 0 $?

[ "$failures" -eq 0 ] && echo "all lint checks passed"
exit $((failures > 0))
