#!/usr/bin/env bash
# Builds the Debian package and the .tar.gz archive from build/, then (as
# root, with apt) installs the package, runs the installed tarnwick-cli from
# /usr/bin and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
(cd "$build" && rm -f tarnwick_*.deb tarnwick-*.tar.gz && cpack -G "DEB;TGZ" >cpack.log 2>&1) ||
  { cat "$build/cpack.log"; exit 1; }
deb=$(ls "$build"/tarnwick_*.deb)
echo "built $deb and $(ls "$build"/tarnwick-*.tar.gz)"
dpkg-deb -f "$deb" Depends
# Both packages carry every dialect's lookup lists.
tgz=$(ls "$build"/tarnwick-*.tar.gz)
deb_files=$(dpkg-deb -c "$deb")
tgz_files=$(tar -tzf "$tgz")
for listed in share/tarnwick/roomflags.txt share/tarnwick/circle31/mobactions.txt \
              share/tarnwick/tbamud/zoneflags.txt; do
  grep -q "/usr/$listed\$" <<<"$deb_files" || { echo "FAIL: $deb lacks $listed"; exit 1; }
  grep -q "/$listed\$" <<<"$tgz_files" || { echo "FAIL: $tgz lacks $listed"; exit 1; }
done
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
  echo "not root: the package is built but not installed"
  exit 0
fi
if dpkg-query -W -f='${Status}' tarnwick 2>/dev/null | grep -q "install ok installed"; then
  echo "a tarnwick package is installed already: left alone, not tested"
  exit 0
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(realpath "$deb")" >/dev/null
status=0
out=$(cd / && /usr/bin/tarnwick-cli --version) || status=1
echo "$out"
[ "$out" = "tarnwick-cli $(dpkg-deb -f "$deb" Version)
lookup lists: /usr/share/tarnwick" ] || { echo "FAIL: unexpected --version output"; status=1; }
man -w tarnwick-cli >/dev/null || { echo "FAIL: man tarnwick-cli not found"; status=1; }
# The tool loads no Qt; PNG maps come from tarnwick-map-png beside it.
if ldd /usr/bin/tarnwick-cli | grep -q libQt; then echo "FAIL: tarnwick-cli links Qt"; status=1; fi
png=$(mktemp -d)
(cd / && /usr/bin/tarnwick-cli map /usr/share/doc/tarnwick/examples/tarnwick.qzp -o "$png/map.png") &&
  [ -s "$png/map.png" ] || { echo "FAIL: the installed tarnwick-cli drew no PNG map"; status=1; }
rm -rf "$png"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tarnwick >/dev/null
[ "$status" -eq 0 ] && echo "package installed, ran and was removed"
exit $status
