#!/usr/bin/env bash
# The checker over the whole tbaMUD corpus (63 zones, 548 trigger scripts)
# against the tbaMUD server's own syntax-check boot of the same folder
# (`circle -c`): CPU time (user + system), fastest of ROUNDS runs each.
# Rows: the boot; `tarnwick-cli lint CORPUS` as a process (start, read,
# check, print); and, when BENCH_BIN names the tarnwick-bench program, the
# checker alone over the world read once (CheckTbaMudCorpus: what the editor's
# Check zone and lint's checking part cost), the trigger scripts alone
# (CheckTbaMudScripts) and lint's work in process (LintTbaMudCorpus).
# Fails when the checker alone (or, without BENCH_BIN, lint) takes longer
# than the boot.
#   usage: bench/tbamud_corpus.sh CLI [ROUNDS]
set -euo pipefail
cli=$(realpath "$1")
rounds=${2:-10}
here=$(cd "$(dirname "$0")/.." && pwd)
shared=${TARNWICK_SHARED:-$here/../shared}
server=$shared/server-tbamud
corpus=$(realpath "$shared/corpus-tbamud")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$server/build.sh" "$work/server" >/dev/null
lib=$work/lib
source "$here/bench/tbamud_lib.sh"
tbamud_lib "$server" "$corpus" "$lib"
cpu_us() {
  local TIMEFORMAT='%3U %3S' out
  out=$( { time "$@" >/dev/null 2>&1; } 2>&1 | tail -1)
  awk '{ printf "%d", ($1 + $2) * 1000000 }' <<< "$out"
}
best() {
  local b=0 t
  for _ in $(seq "$rounds"); do t=$(cpu_us "$@"); { [ "$b" -eq 0 ] || [ "$t" -lt "$b" ]; } && b=$t; done
  echo "$b"
}
boot=$(cd "$lib" && best "$work/server/circle" -c -d "$lib")
lint=$(best "$cli" lint "$corpus")
row() { awk -v name="$1" -v t="$2" -v b="$boot" 'BEGIN { printf "| %s | %.1f | %.2f |\n", name, t / 1000, t / b }'; }
echo "corpus: $(ls "$corpus/zon" | wc -l) zones, $(cat "$corpus"/trg/*.trg | grep -c '^#[0-9]') triggers"
echo "| what | CPU ms | against the server's boot |"
echo "|---|---:|---:|"
row "tbaMUD server, syntax-check boot" "$boot"
row "tarnwick-cli lint (process: start, read, check, print)" "$lint"
checker=0
if [ -n "${BENCH_BIN:-}" ]; then
  # Google Benchmark's CPU column, fastest repetition, in microseconds.
  for name in CheckTbaMudCorpus CheckTbaMudScripts LintTbaMudCorpus; do
    TARNWICK_SHARED=$shared "$BENCH_BIN" --benchmark_filter="^$name\$" --benchmark_repetitions="$rounds" \
      --benchmark_out="$work/bench.csv" --benchmark_out_format=csv >/dev/null 2>&1
    us=$(awk -F, -v n="\"$name\"" '$1 == n { t = $4; u = $5;
                 t = (u == "ms") ? t * 1000 : (u == "ns") ? t / 1000 : t;
                 if (b == "" || t < b) b = t } END { printf "%d", b }' "$work/bench.csv")
    case $name in
      CheckTbaMudCorpus) label="checker alone, every check (world read once)"; checker=$us ;;
      CheckTbaMudScripts) label="trigger script check alone" ;;
      LintTbaMudCorpus) label="lint's read and check, in process" ;;
    esac
    row "$label" "$us"
  done
fi
limit=${checker:-0}
[ "$limit" -gt 0 ] || limit=$lint
if [ "$limit" -ge "$boot" ]; then
  echo "FAIL: the checker takes longer than the server's boot"; exit 1
fi
