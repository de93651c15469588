#!/usr/bin/env bash
# Remakes the user guide's pictures with the editor's own --screenshot mode,
# on the sample zone, with fresh settings, without a display.
# usage: guide-screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
editor=${1:-build}/src/tarnwick
out=docs/images
mkdir -p "$out"
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
shoot() {  # shoot NAME [--window WINDOW]
  local name=$1; shift
  HOME="$settings" XDG_CONFIG_HOME="$settings" TARNWICK_SETTINGS_DIR="$settings" \
    QT_QPA_PLATFORM=offscreen "$editor" --screenshot "$out/$name.png" "$@" \
    examples/tarnwick.qzp 2>/dev/null
}
shoot main
for window in room mob object zone shop; do shoot "$window" --window "$window"; done
ls -l "$out"
