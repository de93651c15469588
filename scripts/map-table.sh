#!/usr/bin/env bash
# Lays out every zone of the corpus with `tarnwick-cli map --stats` and
# prints the table of docs/map.md (markdown) on stdout.
#   bash scripts/map-table.sh [BUILD_DIR] [CORPUS_DIR]
set -euo pipefail
build="${1:-build}"
corpus="$(realpath "${2:-${TARNWICK_CORPUS:-$(dirname "$0")/../../shared/corpus}}")/circle30"
cli="$build/src/tarnwick-cli"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echo "| Zone | Rooms | Islands | Levels | Two-way compass exits | Straight | Share | Overlapping rooms | Layout time |"
echo "|---:|---:|---:|---:|---:|---:|---:|---:|---:|"
total=0 straight=0
for wld in $(ls "$corpus"/wld/*.wld | sort -V); do
  n=$(basename "$wld" .wld)
  "$cli" project create "$tmp/$n.qzp" --zone-number "$n" --zon "$corpus/zon/$n" \
    --wld "$corpus/wld/$n" --mob "$corpus/mob/$n" --obj "$corpus/obj/$n" --shp "$corpus/shp/$n" \
    >/dev/null 2>&1
  line=$("$cli" map "$tmp/$n.qzp" --stats 2>/dev/null)
  rooms=$(sed -E 's/.*: ([0-9]+) rooms.*/\1/' <<<"$line")
  islands=$(sed -E 's/.* ([0-9]+) islands.*/\1/' <<<"$line")
  levels=$(sed -E 's/.*levels (.*); two-way.*/\1/' <<<"$line" | tr ',' '\n' | wc -l)
  pairs=$(sed -E 's/.*exits ([0-9]+), straight.*/\1/' <<<"$line")
  ok=$(sed -E 's/.*straight ([0-9]+) .*/\1/' <<<"$line")
  share=$(sed -E 's/.*\(([0-9.]+%)\).*/\1/' <<<"$line")
  overlap=$(sed -E 's/.*overlapping rooms ([0-9]+).*/\1/' <<<"$line")
  ms=$(sed -E 's/.*layout ([0-9.]+ ms).*/\1/' <<<"$line")
  echo "| $n | $rooms | $islands | $levels | $pairs | $ok | $share | $overlap | $ms |"
  total=$((total + pairs)); straight=$((straight + ok))
done
echo "| **all** | | | | **$total** | **$straight** | **$(awk "BEGIN{printf \"%.1f%%\", 100*$straight/$total}")** | | |"
