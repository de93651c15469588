#!/usr/bin/env bash
# Installs what Tarnwick needs on Debian 12, in three sets:
#   install-deps.sh editor   building and running the editor (and its
#                            screenshot without a display): compiler, CMake,
#                            Ninja, Qt 6 base, the Qt translation tools
#                            (lupdate, lrelease), a font
#   install-deps.sh build    the editor's set and GoogleTest: building the
#                            main tree with its tests
#   install-deps.sh test     the editor's set and what the tests and checks
#                            need: GoogleTest, Google Benchmark, clang and
#                            libFuzzer, mingw-w64 and Wine, the package and
#                            desktop-file checkers, the server's compiler
#                            parts, and a comma-decimal locale
# Without an argument it installs the test set.
set -euo pipefail
set_name=${1:-test}
editor=(g++ cmake ninja-build qt6-base-dev qt6-tools-dev qt6-l10n-tools fonts-dejavu-core)
unit=(libgtest-dev googletest)
tests=("${unit[@]}" xvfb xauth libbenchmark-dev clang libclang-rt-14-dev
       libxml2-utils dpkg-dev file desktop-file-utils appstream man-db locales
       g++-mingw-w64-x86-64-posix wine64
       jq gcc libc6-dev libcrypt-dev)  # jq reads lint's JSON in a test; the last three build the real servers
case "$set_name" in
  editor) packages=("${editor[@]}") ;;
  build) packages=("${editor[@]}" "${unit[@]}") ;;
  test) packages=("${editor[@]}" "${tests[@]}") ;;
  *) echo "usage: install-deps.sh [editor|build|test]" >&2; exit 2 ;;
esac
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
[ "$set_name" = test ] || exit 0
# A locale with a decimal comma, for the widget tests' second run.
if ! locale -a | grep -qi '^de_DE\.utf-\?8$'; then
  $SUDO sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
