#!/usr/bin/env bash
# Configures and builds Tarnwick (editor, command-line tool and tests) in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" -DTARNWICK_TESTS=ON -DTARNWICK_UNITY=ON >/dev/null
cmake --build build -j "$(nproc)"
