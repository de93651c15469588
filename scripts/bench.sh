#!/usr/bin/env bash
# Builds the benchmarks (Release, with the editor) in build-bench/ and runs
# them: tarnwick-bench (reading, writing, projects, renumbering) and
# tarnwick-startup-bench (the editor's start-up, offscreen) and
# tarnwick-map-window-bench (the zone map window, offscreen).
# Extra arguments go to the benchmark programs, e.g. --benchmark_filter=Load
# or --max-read-ratio=3 (fail when loading a format costs more than three
# times the plain read of its bytes; tarnwick-bench only). A program none of
# whose benchmarks the filter picks is not run.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNWICK_BENCH=ON \
  -DTARNWICK_GUI=ON -DTARNWICK_TESTS=OFF >/dev/null
cmake --build build-bench -j 2

common=(--benchmark_min_time=0.5 --benchmark_color=false)
startup_args=()
for a in "$@"; do
  case "$a" in --max-read-ratio=*) ;; *) startup_args+=("$a") ;; esac
done

# True when the filter picks one of the program's benchmarks (their names
# start with a capital and a slash follows).
picks() {
  local names
  names=$("$@" --benchmark_list_tests=true 2>/dev/null) || true
  grep -q '^[A-Z][A-Za-z]*/' <<<"$names"
}

if picks build-bench/bench/tarnwick-bench "$@"; then
  build-bench/bench/tarnwick-bench "${common[@]}" "$@"
fi
if picks build-bench/bench/tarnwick-startup-bench "${startup_args[@]}"; then
  echo
  build-bench/bench/tarnwick-startup-bench "${common[@]}" "${startup_args[@]}"
fi
if picks build-bench/bench/tarnwick-map-window-bench "${startup_args[@]}"; then
  echo
  build-bench/bench/tarnwick-map-window-bench "${common[@]}" "${startup_args[@]}"
fi
