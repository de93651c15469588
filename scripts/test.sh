#!/usr/bin/env bash
# Installs what is missing, builds, runs every test, builds and tries the
# Debian package, then the reliability checks: sanitizers, real-data
# conformance and bounded fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)"
bash scripts/package-check.sh
bash scripts/ci-checks.sh
