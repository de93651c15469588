#!/usr/bin/env bash
# Times, on a world the size of tbaMUD's stock world (bench/tbamud_world.sh),
# what a builder waits for against the tbaMUD server's own syntax-check boot
# of the same world (`circle -c`): `tarnwick-cli zones`, `tarnwick-cli lint`,
# and opening one zone with the rest of the folder read for names (the
# OpenZoneWithRest benchmark, when BENCH_BIN names bench/world_folder_bench's
# program). CPU time (user + system), fastest of ROUNDS runs each.
#   usage: bench/tbamud_scale.sh CLI [ROUNDS]
set -euo pipefail
cli=$(realpath "$1")
rounds=${2:-10}
here=$(cd "$(dirname "$0")/.." && pwd)
server=${TARNWICK_SHARED:-$here/../shared}/server-tbamud
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$here/bench/tbamud_world.sh" "$cli" "$work/world"
bash "$server/build.sh" "$work/server" >/dev/null
# The server's lib folder with the world and its index files, as check-world.sh lays it out.
lib=$work/lib
cp -r "$server/tbamud/lib/." "$lib/" && chmod -R u+w "$lib"
mkdir -p "$lib/plrfiles" "$lib/plrobjs" "$lib/plrvars"
for t in wld mob obj zon shp trg qst; do
  mkdir -p "$lib/world/$t"
  cp "$work/world/$t"/*."$t" "$lib/world/$t/" 2>/dev/null || true
  (cd "$lib/world/$t" && for f in *."$t"; do
     [ -f "$f" ] && echo "$(tr -d '\r' < "$f" | grep -m1 -oE '^#[0-9]+' | tr -d '#') $f"
   done | sort -n | cut -d' ' -f2- > index; echo '$' >> index)
done
cpu_ms() {
  local TIMEFORMAT='%3U %3S' out
  out=$( { time "$@" >/dev/null 2>&1; } 2>&1 | tail -1)
  awk '{ printf "%d", ($1 + $2) * 1000 }' <<< "$out"
}
best() {
  local b=999999 t
  for _ in $(seq "$rounds"); do t=$(cpu_ms "$@"); [ "$t" -lt "$b" ] && b=$t; done
  echo "$b"
}
boot=$(cd "$lib" && best "$work/server/circle" -c -d "$lib")
zones=$(best "$cli" zones "$work/world")
lint=$(best "$cli" lint "$work/world")
echo "world: $(ls "$work/world/zon" | wc -l) zones, $(cat "$work/world"/wld/*.wld | grep -c '^#[0-9]') rooms"
echo "| what | CPU ms | against the server's boot |"
echo "|---|---:|---:|"
printf '| tbaMUD server, syntax-check boot | %d | 1.00 |\n' "$boot"
for row in "tarnwick-cli zones:$zones" "tarnwick-cli lint:$lint"; do
  awk -v name="${row%%:*}" -v t="${row##*:}" -v b="$boot" \
    'BEGIN { printf "| %s | %d | %.2f |\n", name, t, t / b }'
done
if [ -n "${BENCH_BIN:-}" ]; then
  TARNWICK_BENCH_WORLD=$work/world "$BENCH_BIN" --benchmark_filter=OpenZoneWithRest \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true | grep -E 'OpenZone.*(mean|min)'
fi
