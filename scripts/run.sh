#!/usr/bin/env bash
# Installs what is missing, builds, and opens the bundled sample zone.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
./build/src/tarnwick-cli check examples/tarnwick.wld examples/tarnwick.mob \
  examples/tarnwick.obj examples/tarnwick.zon examples/tarnwick.shp
