#!/usr/bin/env bash
# Builds a real server with its own build.sh into BUILD_DIR/servers/NAME,
# once for every check that boots it: checks that run side by side wait for
# the first one's build and then use it, and a build newer than the
# server's source is used as it stands. Prints the server program's path.
#   usage: server-build.sh SERVER_DIR BUILD_DIR NAME
set -euo pipefail
server=$1 out=$2/servers/$3
mkdir -p "$out"
flock "$out/.lock" bash "$server/build.sh" "$out" >&2
echo "$(cd "$out" && pwd)/circle"
