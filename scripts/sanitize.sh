#!/usr/bin/env bash
# Builds the core, the command-line tool and the core tests with
# AddressSanitizer and UndefinedBehaviorSanitizer (GUI off) in
# build-sanitize/ and runs the tests and the conformance check. Any
# sanitizer report aborts the process that made it, which fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SANITIZE_BUILD_DIR:-build-sanitize}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_SANITIZE=ON \
  -DTARNWICK_GUI=OFF >/dev/null
cmake --build "$build" -j 2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j 2
