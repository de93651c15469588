#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and runs the installed programs
# from another working directory: they must find their lookup lists and
# user guide in the install, not in the source or build tree. Also checks the
# desktop entry, AppStream data and manual pages when the checkers are there.
# usage: install_test.sh BUILD_DIR SOURCE_DIR
set -u
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR="$tmp/root" cmake --install "$build" --prefix /usr >"$tmp/install.log" 2>&1 ||
  { cat "$tmp/install.log"; fail "cmake --install"; }
prefix=$tmp/root/usr
for f in bin/tarnwick-cli share/tarnwick/sectortype.txt share/tarnwick/itemaff.txt \
         share/tarnwick/circle31/mobactions.txt share/tarnwick/tbamud/zoneflags.txt \
         share/man/man1/tarnwick.1 share/man/man1/tarnwick-cli.1 \
         share/bash-completion/completions/tarnwick-cli share/doc/tarnwick/user-guide.md \
         share/applications/org.tarnwick.Tarnwick.desktop \
         share/metainfo/org.tarnwick.Tarnwick.metainfo.xml \
         share/mime/packages/org.tarnwick.Tarnwick.xml \
         share/icons/hicolor/scalable/apps/org.tarnwick.Tarnwick.svg \
         share/icons/hicolor/48x48/apps/org.tarnwick.Tarnwick.png; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done

# The build folder is laid out as an install, each dialect's lists in its own folder.
for f in circle31/mobactions.txt tbamud/zoneflags.txt; do
  [ -f "$build/share/tarnwick/$f" ] || fail "not in the build folder: share/tarnwick/$f"
done

# Run from a folder holding no lists, so only the install can supply them.
mkdir "$tmp/elsewhere"
cd "$tmp/elsewhere"
out=$("$prefix/bin/tarnwick-cli" --version 2>&1) || fail "tarnwick-cli --version: $out"
[ "$out" = "tarnwick-cli ${VERSION:-1.0}
lookup lists: $prefix/share/tarnwick" ] || fail "tarnwick-cli --version printed: $out"
"$prefix/bin/tarnwick-cli" check "$source/examples/tarnwick.qzp" >/dev/null 2>&1 ||
  fail "installed tarnwick-cli check of the sample"

if [ -x "$prefix/bin/tarnwick" ]; then
  # The PNG map program is installed beside the tool, which finds it there.
  PATH=/usr/bin:/bin "$prefix/bin/tarnwick-cli" map "$source/examples/tarnwick.qzp" -o "$tmp/map.png" \
    >/dev/null 2>&1 && [ -s "$tmp/map.png" ] || fail "installed tarnwick-cli map -o PNG"
  ldd "$prefix/bin/tarnwick-cli" | grep -q libQt && fail "installed tarnwick-cli links Qt"
  out=$("$prefix/bin/tarnwick" --version 2>&1) || fail "tarnwick --version: $out"
  [ "$out" = "tarnwick ${VERSION:-1.0}
lookup lists: $prefix/share/tarnwick" ] || fail "tarnwick --version printed: $out"
  # Both the usage and the manual page tell how to open a world folder.
  "$prefix/bin/tarnwick" --help | grep -q 'WORLD_DIR' || fail "tarnwick --help names no WORLD_DIR"
  grep -q 'WORLD_DIR' "$prefix/share/man/man1/tarnwick.1" || fail "tarnwick.1 names no WORLD_DIR"
  err=$(HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" QT_QPA_PLATFORM=offscreen \
        "$prefix/bin/tarnwick" --screenshot "$tmp/shot.png" "$source/examples/tarnwick.qzp" 2>&1)
  [ -s "$tmp/shot.png" ] || fail "installed tarnwick --screenshot wrote nothing: $err"
  case $err in *"Cannot open file"*) fail "installed tarnwick missed its lists: $err" ;; esac
fi

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.tarnwick.Tarnwick.desktop" ||
    fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.tarnwick.Tarnwick.metainfo.xml" \
    >"$tmp/appstream.log" 2>&1 || { cat "$tmp/appstream.log"; fail "appstreamcli validate"; }
fi
if command -v man >/dev/null; then
  for page in tarnwick tarnwick-cli; do
    warnings=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man -l $page.1: $warnings"
    MANWIDTH=80 man -l "$prefix/share/man/man1/$page.1" 2>/dev/null | grep -q "^NAME" ||
      fail "man -l $page.1 renders no NAME section"
  done
fi

[ "$failures" -eq 0 ] && echo "install test passed" || echo "$failures install checks failed"
exit $((failures > 0))
