#!/usr/bin/env bash
# Times `tarnwick-cli lint WORLD_DIR` against the real server's syntax-check
# boot (circle -c) of the same world, side by side, ROUNDS times each, and
# prints the fastest round of each, with the tool's start-up alone
# (`--version`) beside them. TOOL_COMMAND=simulate times
# `tarnwick-cli simulate WORLD_DIR --json` (three resets of every zone)
# instead of lint. It fails when the start-up costs more than half the
# server's boot (the tool loading a library it does not need, as Qt once
# was) or, with MAX_LINT_RATIO=R, when the timed command costs more than R
# times the boot.
# usage: bench/lint_vs_server.sh CLI [WORLD_DIR] [ROUNDS]
set -euo pipefail
cli=$(realpath "$1")
[ -x "$cli" ] || { echo "no program at $1" >&2; exit 1; }
here=$(cd "$(dirname "$0")/.." && pwd)
server=${TARNWICK_SERVER:-$here/../shared/server}
world=$(realpath "${2:-${TARNWICK_CORPUS:-$here/../shared/corpus}/circle30}")
rounds=${3:-10}
tool=${TOOL_COMMAND:-lint}
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
bash "$server/build.sh" "$build"
# The server's lib folder with the world and its index files, as check-world.sh lays it out.
lib=$build/lib
cp -r "$server/circle-3.0/lib" "$lib" && chmod -R u+w "$lib"
for t in wld mob obj zon shp; do
  mkdir -p "$lib/world/$t"
  cp "$world/$t"/*."$t" "$lib/world/$t/"
  (cd "$lib/world/$t" && for f in *."$t"; do
     echo "$(tr -d '\r' < "$f" | grep -m1 -oE '^#[0-9]+' | tr -d '#') $f"
   done | sort -n | cut -d' ' -f2- > index; echo '$' >> index)
done
# CPU time (user + system, every thread) in microseconds of one run of a
# command: on a shared machine the wall clock mostly measures the other
# processes. perf stat, where it is installed, counts it to the microsecond;
# the shell's own `time` counts milliseconds, coarse for runs of a few.
if perf stat -x, -e task-clock -o /dev/null true >/dev/null 2>&1; then
  cpu_us() {
    local out
    out=$(mktemp)
    perf stat -x, -e task-clock -o "$out" "$@" >/dev/null 2>&1
    awk -F, '/task-clock/ { printf "%d", $1 * 1000 }' "$out"
    rm -f "$out"
  }
else
  cpu_us() {
    local TIMEFORMAT='%3U %3S' out
    out=$( { time "$@" >/dev/null 2>&1; } 2>&1 | tail -1)
    awk '{ printf "%d", ($1 + $2) * 1000000 }' <<< "$out"
  }
fi
best_server=0 best_lint=0 best_start=0
for _ in $(seq "$rounds"); do
  s=$(cd "$lib" && cpu_us "$build/circle" -c -d "$lib")
  if [ "$tool" = simulate ]; then l=$(cpu_us "$cli" simulate "$world" --json)
  else l=$(cpu_us "$cli" lint "$world"); fi
  v=$(cpu_us "$cli" --version)
  if [ "$best_server" -eq 0 ] || [ "$s" -lt "$best_server" ]; then best_server=$s; fi
  if [ "$best_lint" -eq 0 ] || [ "$l" -lt "$best_lint" ]; then best_lint=$l; fi
  if [ "$best_start" -eq 0 ] || [ "$v" -lt "$best_start" ]; then best_start=$v; fi
done
ms() { awk -v us="$1" 'BEGIN { printf "%.1f", us / 1000 }'; }
echo "server syntax-check boot: $(ms "$best_server") ms CPU (fastest of $rounds)"
printf 'tarnwick-cli %-12s %s ms CPU (fastest of %s)\n' "$tool:" "$(ms "$best_lint")" "$rounds"
echo "tarnwick-cli --version:   $(ms "$best_start") ms CPU (fastest of $rounds)"
awk -v l="$best_lint" -v s="$best_server" -v t="$tool" 'BEGIN { printf "%s / boot: %.2f\n", t, l / s }'
status=0
if [ $((best_start * 2)) -gt "$best_server" ]; then
  echo "FAIL: the tool's start-up costs more than half the server's boot"; status=1
fi
if [ -n "${MAX_LINT_RATIO:-}" ] &&
   awk -v l="$best_lint" -v s="$best_server" -v r="$MAX_LINT_RATIO" 'BEGIN { exit !(l > s * r) }'; then
  echo "FAIL: lint costs more than $MAX_LINT_RATIO times the server's boot"; status=1
fi
exit $status
