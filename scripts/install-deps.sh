#!/usr/bin/env bash
# Installs what building, running and testing Tarnwick needs on Debian 12.
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev libgtest-dev xvfb xauth
          libbenchmark-dev clang libclang-rt-14-dev
          dpkg-dev file desktop-file-utils appstream man-db
          g++-mingw-w64-x86-64-posix googletest wine64)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
