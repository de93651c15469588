#!/usr/bin/env bash
# Builds the core, the command-line tool, the core tests and the widget
# tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ and runs them. Any sanitizer report aborts the process
# that made it, which fails its test. The widget tests run offscreen in one
# process, as a developer runs them, so state one test leaves behind reaches
# the next.
#   usage: sanitize.sh [build|run]     (default: both, build first)
# Only the programs the tests run are built (the conformance checker too,
# which the reliability checks run from this tree). With clang, which
# compiles this tree in half gcc's time, the libFuzzer targets are built
# here as well, on the same instrumented core: fuzz.sh runs them from this
# tree with FUZZ_BUILD_DIR=build-sanitize, and no core is compiled twice.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SANITIZE_BUILD_DIR:-build-sanitize}
step=${1:-all}
if [ "$step" = all ] || [ "$step" = build ]; then
  # Line tables are all a sanitizer report needs, and build faster than full
  # debug information.
  fuzz=OFF fuzz_targets=()
  if command -v clang++ >/dev/null; then
    export CXX=clang++
    fuzz=ON fuzz_targets=(fuzz_targets)
  fi
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
    -DTARNWICK_SANITIZE=ON -DTARNWICK_UNITY=ON -DTARNWICK_FUZZ=$fuzz \
    -DTARNWICK_GUI=ON -DTARNWICK_TESTS=ON >/dev/null
  cmake --build "$build" -j 2 --target core_tests gui_tests tarnwick-cli tarnwick-map-png \
    tarnwick tarnwick-conformance "${fuzz_targets[@]}"
fi
if [ "$step" = all ] || [ "$step" = run ]; then
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # The core tests in one process: under the sanitizers starting a process
  # costs more than most tests take. The tests of whole programs (the
  # command-line scripts, the conformance check) run one by one as ctest
  # runs them: their names have no dot, a GoogleTest case's always has.
  (cd "$build/tests" && ./core_tests --gtest_brief=1)
  ctest --test-dir "$build" --output-on-failure -j "${SANITIZE_JOBS:-2}" -LE gui -E '[.]'
  # Qt and the font libraries keep caches until exit that the leak checker
  # would report; every other check stays on.
  ASAN_OPTIONS=${ASAN_OPTIONS/detect_leaks=1/detect_leaks=0} QT_QPA_PLATFORM=offscreen \
    "$build/tests/gui_tests" --gtest_brief=1
fi
