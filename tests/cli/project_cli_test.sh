#!/usr/bin/env bash
# tarnwick-cli over project files: create, info, check, format, renumber.
set -u
# Arguments: the program, the examples folder, then what runs the program
# (none, or e.g. wine64 for a Windows build).
program="$1"
examples="$2"
runner=("${@:3}")
cli() { "${runner[@]}" "$program" "$@"; }
source "$(dirname "$0")/expect.sh"

cp "$examples"/tarnwick.* "$tmp/"
cli project create "$tmp/t.qzp" --zone-number 186 --name "Tarnwick Mere" --author Ana \
  --zon tarnwick --wld tarnwick.txt --mob tarnwick --obj tarnwick --shp tarnwick
expect "project create succeeds" 0 $?
expect "a project file is one record" 3684 "$(stat -c %s "$tmp/t.qzp")"
cli project create "$tmp/broken.qzp" --name "$(printf 'Tarnwick\nMere')" 2>"$tmp/err"
expect "a zone name holding a line break is refused" "2 tarnwick-cli: The zone name cannot hold a line break." "$? $(cat "$tmp/err")"
cli project create "$tmp/broken.qzp" --author "$(printf 'Ana\r\nB')" 2>/dev/null
expect "an author holding a line break is refused" "2 no file" "$? $([ -e "$tmp/broken.qzp" ] && echo file || echo 'no file')"
out=$(cli project info "$tmp/t.qzp")
expect "project info prints every value" "zone_name: Tarnwick Mere
author: Ana
zone_file: tarnwick.zon
room_file: tarnwick.wld
mob_file: tarnwick.mob
object_file: tarnwick.obj
shop_file: tarnwick.shp
zone_number: 186
main_window: visible 0, left 0, top 0, width 0, height 0
room_list: visible 0, left 0, top 0, width 0, height 0
room_editor: visible 0, left 0, top 0
mob_list: visible 0, left 0, top 0, width 0, height 0
mob_editor: visible 0, left 0, top 0
object_list: visible 0, left 0, top 0, width 0, height 0
object_editor: visible 0, left 0, top 0
shop_list: visible 0, left 0, top 0, width 0, height 0
shop_editor: visible 0, left 0, top 0" "$out"
cli project create "$tmp/t.qzp" >/dev/null 2>&1; expect "create keeps an existing file" 1 $?
cli project create "$tmp/d.qzp" --zone-number 7 >/dev/null; expect "create with defaults" 0 $?
expect "default names come from the zone number" "room_file: 7.wld" \
  "$(cli project info "$tmp/d.qzp" | grep room_file)"
long=$(printf '%0600d' 0)
cli project create "$tmp/long.qzp" --name "$long" 2>/dev/null; expect "a too long name fails" 1 $?
[ -e "$tmp/long.qzp" ]; expect "a refused project is not written" 1 $?
head -c 3683 "$tmp/t.qzp" > "$tmp/short.qzp"
cli project info "$tmp/short.qzp" >/dev/null 2>&1; expect "a short file is refused" 1 $?
cli check "$tmp/short.qzp" >/dev/null 2>&1; expect "check refuses a short project" 1 $?

out=$(cli check "$tmp/t.qzp" 2>/dev/null | head -n 1)
case "$out" in "$tmp/t.qzp: 12 rooms, "*) ok=yes ;; *) ok="$out" ;; esac
expect "check opens the project's files" yes "$ok"

# A zone of 101 rooms and nothing else leaves its hundred: renumbering asks.
{ for i in $(seq 100 200); do printf '#%d\nRoom %d~\n~\n1 0 0\nS\n' "$i" "$i"; done; echo '$'; } \
  > "$tmp/big.wld"
cli project create "$tmp/big.qzp" --zone-number 2 --wld big --zon big --mob big --obj big \
  --shp big >/dev/null
err=$(cli renumber "$tmp/big.qzp" 2>&1 >/dev/null)
expect "renumber without --yes refuses" 1 $?
case "$err" in *"Renumber anyway? [answered: No]"*) ok=yes ;; *) ok="$err" ;; esac
expect "renumber asks before leaving the hundred" yes "$ok"
grep -q '^#100$' "$tmp/big.wld"; expect "a refused renumbering saves nothing" 0 $?

# The rest needs every reader and writer.
if cli check "$examples/tarnwick.mob" "$examples/tarnwick.obj" "$examples/tarnwick.shp" \
     "$examples/tarnwick.zon" >/dev/null 2>&1; then
  cli check "$tmp/t.qzp" >/dev/null 2>&1; expect "check of a whole project" 0 $?
  cli format "$tmp/t.qzp" --out-dir "$tmp/out"; expect "format of a project" 0 $?
  for f in t.qzp tarnwick.wld tarnwick.mob tarnwick.obj tarnwick.shp tarnwick.zon; do
    [ -f "$tmp/out/$f" ]; expect "format writes $f" 0 $?
  done
  cli format "$tmp/out/t.qzp" --out-dir "$tmp/again"; expect "format of its own output" 0 $?
  for f in t.qzp tarnwick.wld tarnwick.mob tarnwick.obj tarnwick.shp tarnwick.zon; do
    cmp -s "$tmp/out/$f" "$tmp/again/$f"; expect "a second format changes nothing in $f" 0 $?
  done
  # Folder and file names with non-ASCII letters open and save.
  dir="$tmp/Ærø Ŝtåd"
  mkdir "$dir" && cp "$examples"/tarnwick.* "$dir/"
  cli project create "$dir/Kärr.qzp" --zone-number 186 --name "Tarnwick Mere" --author Ana \
    --zon tarnwick --wld tarnwick --mob tarnwick --obj tarnwick --shp tarnwick >/dev/null
  expect "a project is made in a folder with non-ASCII letters" 0 $?
  expect "it opens with all its files" "$dir/Kärr.qzp: 12 rooms, 5 mobiles, 9 objects, 2 shops, 17 commands" \
    "$(cli check "$dir/Kärr.qzp" 2>/dev/null)"
  cli format "$dir/Kärr.qzp" --out-dir "$tmp/Ünder/Ĳssel"; expect "it is saved into another such folder" 0 $?
  for f in tarnwick.wld tarnwick.mob tarnwick.obj tarnwick.shp tarnwick.zon; do
    cmp -s "$tmp/out/$f" "$tmp/Ünder/Ĳssel/$f"; expect "$f saved there as elsewhere" 0 $?
  done
  cli renumber "$dir/Kärr.qzp" --base 500 2>/dev/null; expect "it is renumbered in place" 0 $?
  grep -q '^#500$' "$dir/tarnwick.wld"; expect "the renumbered rooms are saved there" 0 $?
  expect "no temporary file is left" "Kärr.qzp tarnwick.mob tarnwick.obj tarnwick.qzp tarnwick.shp tarnwick.wld tarnwick.zon" \
    "$(cd "$dir" && ls -A | LC_ALL=C sort | paste -sd' ')"

  cli renumber "$tmp/t.qzp" --base 500 2>/dev/null; expect "renumber succeeds" 0 $?
  grep -q '^#500$' "$tmp/tarnwick.wld"; expect "renumber saves the rooms in place" 0 $?
  cli renumber "$tmp/big.qzp" --yes 2>/dev/null; expect "renumber --yes goes on" 0 $?
  grep -q "^#300$" "$tmp/big.wld"; expect "the rooms start at the zone's hundred" 0 $?
else
  echo "SKIP: project format and renumber (not every reader is built yet)"
fi

echo "$failures failed"
[ "$failures" -eq 0 ]
