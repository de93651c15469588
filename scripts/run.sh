#!/usr/bin/env bash
# Installs what is missing, builds, and opens the bundled sample zone in the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/src/tarnwick examples/tarnwick.qzp
fi
echo "No display found: writing a screenshot of the opened sample zone to build/sample.png instead."
QT_QPA_PLATFORM=offscreen ./build/src/tarnwick --screenshot build/sample.png examples/tarnwick.qzp
echo "Wrote build/sample.png"
