#!/usr/bin/env bash
# Builds a world folder the size of tbaMUD's whole stock world (189 zones,
# about 12,700 rooms) from the tbaMUD corpus: the corpus itself, then each of
# its zones copied twice, every copy renumbered by tarnwick-cli into a zone
# number the world does not use yet. References out of a copy still name
# the corpus's records, which exist, so the world boots as the corpus does.
#   usage: bench/tbamud_world.sh CLI OUT_DIR [CORPUS_DIR]
set -euo pipefail
cli=$(realpath "$1")
out=$2
here=$(cd "$(dirname "$0")/.." && pwd)
corpus=$(realpath "${3:-${TARNWICK_SHARED:-$here/../shared}/corpus-tbamud}")
kinds="wld mob obj zon shp trg qst"
rm -rf "$out"
for t in $kinds; do mkdir -p "$out/$t"; cp "$corpus/$t"/*."$t" "$out/$t/" 2>/dev/null || true; done
used=" $(cd "$corpus/zon" && ls *.zon | sed 's/\.zon$//' | tr '\n' ' ') "
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
next=1
for copy in 1 2; do
  for zon in "$corpus"/zon/*.zon; do
    n=$(basename "$zon" .zon)
    while [[ "$used" == *" $next "* ]]; do next=$((next + 1)); done
    z=$next used="$used$next "
    rm -rf "$work/zone" && mkdir -p "$work/zone/zon"
    for t in $kinds; do
      [ -f "$corpus/$t/$n.$t" ] && mkdir -p "$work/zone/$t" && cp "$corpus/$t/$n.$t" "$work/zone/$t/$z.$t"
    done
    "$cli" project create "$work/zone/$z.qzp" --force --zone-number "$z" --zon "$work/zone/zon/$z.zon" \
      --wld "$work/zone/wld/$z.wld" --mob "$work/zone/mob/$z.mob" --obj "$work/zone/obj/$z.obj" \
      --shp "$work/zone/shp/$z.shp" >/dev/null
    "$cli" renumber "$work/zone/$z.qzp" --base $((z * 100)) --yes >/dev/null
    for t in $kinds; do [ -f "$work/zone/$t/$z.$t" ] && cp "$work/zone/$t/$z.$t" "$out/$t/"; done
  done
done
echo "$out: $(ls "$out/zon" | wc -l) zones, $(cat "$out"/wld/*.wld | grep -c '^#[0-9]') rooms"
