#!/usr/bin/env bash
# Times, on a world the size of tbaMUD's stock world (bench/tbamud_world.sh),
# what a builder waits for against the tbaMUD server's own syntax-check boot
# of the same world (`circle -c`): `tarnwick-cli zones`, `tarnwick-cli lint`,
# and opening one zone with the rest of the folder read for names (the
# OpenZoneWithRest benchmark, when BENCH_BIN names bench/world_folder_bench's
# program). Wall and CPU time, fastest of ROUNDS runs each.
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
lib=$work/lib
source "$here/bench/tbamud_lib.sh"
tbamud_lib "$server" "$work/world" "$lib"
# "WALL CPU" in ms of one run: the wall clock is what the builder waits for
# (the tool reads and checks on every core), CPU time (user + system, every
# thread) the work done.
times_ms() {
  local TIMEFORMAT='%3R %3U %3S' out
  out=$( { time "$@" >/dev/null 2>&1; } 2>&1 | tail -1)
  awk '{ printf "%d %d", $1 * 1000, ($2 + $3) * 1000 }' <<< "$out"
}
# The fastest of ROUNDS runs, wall and CPU each; the three programs take
# turns, so a busy moment of the machine falls on all of them alike.
declare -A wall cpu
for _ in $(seq "$rounds"); do
  for what in server zones lint; do
    case $what in
      server) t=$(cd "$lib" && times_ms "$work/server/circle" -c -d "$lib") ;;
      zones) t=$(times_ms "$cli" zones "$work/world") ;;
      lint) t=$(times_ms "$cli" lint "$work/world") ;;
    esac
    read -r w c <<< "$t"
    [ -z "${wall[$what]:-}" ] || [ "$w" -lt "${wall[$what]}" ] && wall[$what]=$w
    [ -z "${cpu[$what]:-}" ] || [ "$c" -lt "${cpu[$what]}" ] && cpu[$what]=$c
  done
done
echo "world: $(ls "$work/world/zon" | wc -l) zones, $(cat "$work/world"/wld/*.wld | grep -c '^#[0-9]') rooms"
echo "| what | wall ms | against the boot | CPU ms | against the boot |"
echo "|---|---:|---:|---:|---:|"
row() {
  awk -v name="$1" -v w="$2" -v c="$3" -v bw="${wall[server]}" -v bc="${cpu[server]}" \
    'BEGIN { printf "| %s | %d | %.2f | %d | %.2f |\n", name, w, w / bw, c, c / bc }'
}
row "tbaMUD server, syntax-check boot" "${wall[server]}" "${cpu[server]}"
row "tarnwick-cli zones" "${wall[zones]}" "${cpu[zones]}"
row "tarnwick-cli lint" "${wall[lint]}" "${cpu[lint]}"
if [ -n "${BENCH_BIN:-}" ]; then
  TARNWICK_BENCH_WORLD=$work/world "$BENCH_BIN" --benchmark_filter=OpenZoneWithRest \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_color=false |
    grep -E 'OpenZone.*(mean|median)'
fi
