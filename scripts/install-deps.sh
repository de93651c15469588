#!/usr/bin/env bash
# Installs what building, running and testing Tarnwick needs on Debian 12.
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev libgtest-dev xvfb xauth
          libbenchmark-dev clang libclang-rt-14-dev libxml2-utils
          dpkg-dev file desktop-file-utils appstream man-db locales
          g++-mingw-w64-x86-64-posix googletest wine64
          gcc libc6-dev libcrypt-dev)  # the last three build the real server for its check
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# A locale with a decimal comma, for the widget tests' second run.
if ! locale -a | grep -qi '^de_DE\.utf-\?8$'; then
  $SUDO sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
