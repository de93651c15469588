#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers on) in build-fuzz/ and runs each for FUZZ_SECONDS (20) seconds,
# seeded from the sample zone, the test data and, when present, the corpus
# of real files. Any crash, leak, sanitizer report or timeout fails the run;
# the input that caused it is kept in build-fuzz/artifacts/. With
# TARNWICK_FUZZ_ROUNDTRIP=1 the world readers' targets also check that what
# was read survives a save and a second read.
#   usage: fuzz.sh [build|run]     (default: both, build first)
# The sanitizer tree (sanitize.sh, with clang) holds the same targets:
# FUZZ_BUILD_DIR=build-sanitize fuzz.sh run runs them from there.
# FUZZ_JOBS (1) targets run at a time: each uses one core.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-20}
corpus=${TARNWICK_CORPUS:-$root/../shared/corpus}

step=${1:-all}
jobs=${FUZZ_JOBS:-1}

if [ "$step" = all ] || [ "$step" = build ]; then
  # Only the fuzz targets: the command-line tool is not fuzzed.
  CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWICK_UNITY=ON \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -gline-tables-only -DNDEBUG" \
    -DTARNWICK_FUZZ=ON -DTARNWICK_GUI=OFF -DTARNWICK_TESTS=OFF >/dev/null
  cmake --build "$build" -j 2 --target fuzz_targets
fi
[ "$step" = build ] && exit 0

declare -A ext=([room]=wld [mob]=mob [object]=obj [zone]=zon [shop]=shp [project]=qzp)
mkdir -p "$build/artifacts"

# fuzz_one TARGET: runs one target; its report goes to artifacts/READER.report
# and its status (0, or 1 for a fault) to READER.status.
fuzz_one() {
  local target=$1 reader e work seeds dir report
  reader=${target##*/fuzz_}
  e=${ext[$reader]:-none}
  report=$build/artifacts/$reader.report
  work=$(mktemp -d)
  seeds=$(mktemp -d)
  # Seeds: every file of this reader's extension we can find, at run time.
  for dir in examples tests/data "$corpus"; do
    [ -d "$dir" ] || continue
    find "$dir" -type f -iname "*.$e" -exec cp -t "$seeds" --backup=numbered {} + 2>/dev/null || true
  done
  if [ -d "tests/data/regressions/$reader" ]; then
    cp -t "$seeds" --backup=numbered tests/data/regressions/"$reader"/* 2>/dev/null || true
  fi
  echo "== fuzz_$reader: $(ls "$seeds" | wc -l) seeds, ${seconds}s" >"$report"
  local status=0
  if ! "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
      -dict=fuzz/world_files.dict -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$reader-" "$work" "$seeds" \
      >"$build/artifacts/$reader.log" 2>&1; then
    status=1
    tail -40 "$build/artifacts/$reader.log" >>"$report"
  else
    grep -E 'stat::number_of_executed_units|cov:' "$build/artifacts/$reader.log" | tail -2 >>"$report"
  fi
  rm -rf "$work" "$seeds"
  echo $status >"$build/artifacts/$reader.status"
}

targets=()
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] && targets+=("$target")
done
rm -f "$build"/artifacts/*.status
for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  fuzz_one "$target" &
done
wait
failed=()
for target in "${targets[@]}"; do
  reader=${target##*/fuzz_}
  cat "$build/artifacts/$reader.report"
  [ "$(cat "$build/artifacts/$reader.status" 2>/dev/null)" = 0 ] || failed+=("$reader")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in $build/artifacts/)"
  exit 1
fi
echo "fuzzing: no faults"
