#!/usr/bin/env bash
# Exercises tarnwick-cli as a user would: exit codes, stdout lines, messages.
set -u
# Arguments: the program, the examples folder, then what runs the program
# (none, or e.g. wine64 for a Windows build).
program="$1"
examples="$2"
runner=("${@:3}")
cli() { "${runner[@]}" "$program" "$@"; }
source "$(dirname "$0")/expect.sh"

out=$(cli check "$examples/tarnwick.wld" 2>/dev/null); expect "check prints the room count" \
  "$examples/tarnwick.wld: 12 rooms" "$out"
cli check "$examples/tarnwick.wld" >/dev/null 2>&1; expect "check succeeds" 0 $?

printf '#1\nA~\n~\n0 0 0\nX\n$\n' > "$tmp/bad.wld"
err=$(cli check "$tmp/bad.wld" 2>&1 >/dev/null)
expect "check shows the editor's messages" \
  "bad.wld could not be read from line 1 on: Format error in room #1 (expecting D/E/S). 1 record could not be read; none came before." "$err"
cli check "$tmp/bad.wld" "$examples/tarnwick.wld" >/dev/null 2>&1; expect "one failed file fails check" 1 $?

cli check "$tmp/none.wld" >/dev/null 2>&1; expect "a missing file fails" 1 $?
err=$(cli check "$tmp/none.wld" 2>&1 >/dev/null); expect "a missing file is named" \
  "tarnwick-cli: $tmp/none.wld: no such file" "$err"
touch "$tmp/x.txt"; cli check "$tmp/x.txt" >/dev/null 2>&1; expect "an unknown extension fails" 1 $?
cli check >/dev/null 2>&1; expect "check without files is a usage error" 2 $?
cli frobnicate >/dev/null 2>&1; expect "an unknown command is a usage error" 2 $?
cli check --help >/dev/null; expect "check --help" 0 $?
cli format --help >/dev/null; expect "format --help" 0 $?
cli show --help >/dev/null; expect "show --help" 0 $?

cli format "$examples/tarnwick.wld" -o "$tmp/a.wld" --alpha-bitvectors; expect "format succeeds" 0 $?
grep -q '^186 cd 0$' "$tmp/a.wld"; expect "format writes letters with --alpha-bitvectors" 0 $?
cli format "$tmp/a.wld" -o "$tmp/b.wld" --zone-number 7; expect "format of its own output" 0 $?
grep -q '^7 12 0$' "$tmp/b.wld"; expect "--zone-number goes into every flags line" 0 $?
cli format "$examples/tarnwick.wld" -o "$tmp/nodir/a.wld" 2>/dev/null; expect "a failed save fails format" 1 $?
cli format "$examples/tarnwick.wld" 2>/dev/null; expect "format without -o is a usage error" 2 $?
# A byte-order mark is read past and not written back.
for ext in wld mob obj shp zon; do
  printf '\357\273\277' | cat - "$examples/tarnwick.$ext" >"$tmp/bom.$ext"
  cli format "$examples/tarnwick.$ext" -o "$tmp/plain.$ext" >/dev/null 2>&1
  cli format "$tmp/bom.$ext" -o "$tmp/unmarked.$ext" >/dev/null 2>&1
  expect "format of a .$ext with a byte-order mark" 0 $?
  cmp -s "$tmp/plain.$ext" "$tmp/unmarked.$ext"; expect "the .$ext is written without the mark" 0 $?
done

out=$(cli show "$examples/tarnwick.wld" 18605)
expect "show prints one record" "#18605
A Guest Room~
   A narrow bed, a basin, and a window that looks over the mere.  The floor
slopes noticeably toward the water.
~
186 524 0
D5
~
stairs~
0 -1 18604
S" "$out"
cli show "$examples/tarnwick.wld" 1 >/dev/null 2>&1; expect "show of a missing vnum fails" 1 $?

out=$(cli check "$examples/tarnwick.mob" "$examples/tarnwick.obj" 2>&1)
expect "check counts mobiles and objects" "$examples/tarnwick.mob: 5 mobiles
$examples/tarnwick.obj: 9 objects" "$out"
cli format "$examples/tarnwick.obj" -o "$tmp/a.obj" --obj-levels --mat-specs 2>"$tmp/err"
expect "format with levels and material specifications" 0 $?
expect "the missing-material warning is shown once" "Warning! Object with no material specifications has been encountered.
Default values will be applied." "$(cat "$tmp/err")"
grep -q '^8 8 3 0 0 -1 -1 -1$' "$tmp/a.obj"; expect "the second numeric line carries 8 numbers" 0 $?
out=$(cli show "$examples/tarnwick.mob" 18602 --alpha-bitvectors | sed -n '9p;13,15p')
expect "show prints an enhanced mobile with its E-specs in file order" "bd 0 200 E
BareHandAttack: 6
Str: 18
StrAdd: 50" "$out"

out=$(cli check "$examples/tarnwick.zon" "$examples/tarnwick.shp" 2>&1)
expect "check counts zone commands and shops" "$examples/tarnwick.zon: 17 commands
$examples/tarnwick.shp: 2 shops" "$out"
cli format "$examples/tarnwick.zon" -o "$tmp/a.zon" --world "$examples/tarnwick.wld" \
  "$examples/tarnwick.mob" "$examples/tarnwick.obj"; expect "format of a zone with its world" 0 $?
expect "zone comments name the records, lines end in LF" \
  "$(printf 'R     0 18604 18600\t\t* Remove an eel-oil lantern from The Drowned Lantern')" \
  "$(grep -a '^R' "$tmp/a.zon")"
expect "the top stays as the file has it" " 18699 20 2 " "$(sed -n 8p "$tmp/a.zon")"
cli format "$examples/tarnwick.zon" -o "$tmp/b.zon"; expect "format of a zone alone" 0 $?
expect "without the world the top stays" " 18699 20 2 " "$(sed -n 8p "$tmp/b.zon")"
expect "the zone ends with \$~ and has no S line" "\$~|0" \
  "$(tail -n 1 "$tmp/b.zon")|$(grep -c '^S' "$tmp/b.zon")"
cli format "$examples/tarnwick.shp" -o "$tmp/a.shp" --old-shops; expect "format of old shops" 0 $?
expect "old shops have no header and five products" "#18600~|18603|-1|-1" \
  "$(sed -n '1p;2p;4p;6p' "$tmp/a.shp" | paste -sd'|')"
cli format "$tmp/a.shp" -o "$tmp/b.shp"; expect "format of old shops into v3.0" 0 $?
expect "v3.0 shops start with their header" "CircleMUD v3.0 Shop File~" "$(head -n 1 "$tmp/b.shp")"

# check --server: what the real server refuses or damages, by file, line and record.
cli check --server "$examples/tarnwick.qzp" >/dev/null 2>&1; expect "the sample zone passes the server check" 0 $?
cli format "$examples/tarnwick.qzp" --out-dir "$tmp/saved" >/dev/null 2>&1
cli check --server "$tmp/saved/tarnwick.qzp" >/dev/null 2>&1; expect "what we save passes the server check" 0 $?
printf '#30\nThe Mere~\n100 3000 15 2\nS\n$~\n' > "$tmp/four.zon"
printf '#3000\nA~\n%s\n~\n30 0 0\nS\n#3001\nB~\nC~\n30 0 0\nS\n$' "$(head -c 520 /dev/zero | tr '\0' x)" > "$tmp/four.wld"
out=$(cli check --server "$tmp/four.zon" "$tmp/four.wld" 2>&1); rc=$?
expect "server findings fail the check" 1 $rc
expect "each finding names file, line, record and field" \
"$tmp/four.zon line 3, zone #30, top: four numbers (bottom, top, lifespan, reset mode: a later server's layout); this server reads them as top, lifespan and reset mode
$tmp/four.wld line 3, room #3000, description: text line of 520 bytes: the server keeps at most 509 and overruns its line buffer or reads the rest as more lines
$tmp/four.wld line 12, room #3001: the last line has no line break after it, and the server does not read a line without one (expecting '#' and a vnum, or '\$'); the server stops here
$tmp/four.zon line 3, zone #30, top: top 100 is below room #3001 of $tmp/four.wld: the server puts the rooms above the top in no zone, or in the next
2 file(s) checked for the server, 4 finding(s)" "$out"

# simulate: the sample's resets, as text and as JSON.
out=$(cli simulate "$examples/tarnwick.qzp" --resets 2)
expect "simulate runs the resets" 0 $?
expect "simulate counts the world after each reset" "reset 1: 5 mobs and 7 objects in the world
reset 2: 6 mobs and 7 objects in the world" "$(printf '%s\n' "$out" | grep '^reset')"
expect "simulate says why a command did nothing" "  zone 186 command 2 (G 1 18603 5): skipped: the command before it failed" \
  "$(printf '%s\n' "$out" | grep 'command 2 (' | tail -1)"
json=$(cli simulate "$examples/tarnwick.qzp" --json | tr -d '\r')
expect "simulate --json gives one entry per reset" 3 "$(printf '%s\n' "$json" | grep -c mobs_in_world)"
expect "simulate --json counts commands from 0" '    {"zone": 186, "index": 0, "command": "M", "done": true, "why": "loaded"},' \
  "$(printf '%s\n' "$json" | grep '"index": 0,' | head -1)"
cli simulate "$examples/tarnwick.qzp" --resets 0 2>/dev/null; expect "--resets 0 is a usage error" 2 $?

# convert: the sample up to tbaMUD and back, beside nothing it read.
out=$(cli convert "$examples/tarnwick.qzp" --to tbamud -o "$tmp/up"); expect "convert writes the project" 0 $?
expect "convert reports each change by record" "  zone 186: header: builders line 'Tarnwick' added" \
  "$(printf '%s\n' "$out" | grep builders)"
expect "the converted zone has tbaMUD's header" "Tarnwick~" "$(sed -n 2p "$tmp/up/tarnwick.zon")"
cli convert "$tmp/up/tarnwick.qzp" --to circle30 -o "$tmp/down" >/dev/null; expect "and back" 0 $?
for vnum in 18600 18611; do
  expect "room $vnum comes back" "$(cli show "$examples/tarnwick.wld" $vnum)" "$(cli show "$tmp/down/tarnwick.wld" $vnum)"
done
printf '#1\nA~\nB~\n0 0 0 0\nS\n$\n' > "$tmp/1.wld"
printf '#0\nNone.~\nLimbo~\n0 99 10 2 b 0 0 0 5 20\nS\n$\n' > "$tmp/0.zon"
out=$(cli convert "$tmp/0.zon" "$tmp/1.wld" --to circle30 -o "$tmp/lossy" 2>/dev/null); rc=$?
expect "what 3.0 cannot hold stops the conversion" 1 $rc
expect "each loss is listed" "  zone 0: zone flags: dropped (no zone flags)
  zone 0: levels: 5 to 20 dropped (no level range)" "$(printf '%s\n' "$out" | grep '^  ')"
[ ! -e "$tmp/lossy" ]; expect "nothing is written before the builder agrees" 0 $?
cli convert "$tmp/0.zon" "$tmp/1.wld" --to circle30 -o "$tmp/lossy" --yes >/dev/null; expect "--yes drops it" 0 $?
expect "the dropped zone reads as 3.0" " 99 10 2 " "$(grep -A2 '^#0' "$tmp/lossy/0.zon" | sed -n 3p)"
cli convert "$tmp/0.zon" --to circle30 -o "$tmp" --yes >/dev/null 2>&1; expect "a file read is never written" 1 $?
cli convert "$tmp/0.zon" --to circle40 -o "$tmp/x" 2>/dev/null; expect "an unknown dialect is a usage error" 2 $?

echo "$failures failed"
[ "$failures" -eq 0 ]
