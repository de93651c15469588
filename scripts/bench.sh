#!/usr/bin/env bash
# Builds the benchmarks (Release, GUI off) in build-bench/ and runs them.
# Extra arguments go to the benchmark program, e.g. --benchmark_filter=Load
# or --max-read-ratio=3 (fail when loading a format costs more than three
# times the plain read of its bytes).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNWICK_BENCH=ON \
  -DTARNWICK_GUI=OFF -DTARNWICK_TESTS=OFF >/dev/null
cmake --build build-bench -j 2
build-bench/bench/tarnwick-bench --benchmark_min_time=0.5 --benchmark_color=false "$@"
