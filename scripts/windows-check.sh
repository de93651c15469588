#!/usr/bin/env bash
# The Windows build: cross-compiles the core, tarnwick-cli and the tests with
# mingw-w64 into build-windows/, runs the core tests and the CLI tests under
# Wine, then checks that tarnwick-cli.exe under Wine formats the sample and
# every corpus file to the same bytes as the Linux build in build/ does. Skips, saying so, when
# the cross compiler or Wine is not installed. About 5 minutes on 2 cores.
#   usage: windows-check.sh [build|tests|format]   (default: all three in turn)
# build also makes the Wine prefix, so tests and format can then run side by
# side.
set -uo pipefail
cd "$(dirname "$0")/.."
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null || [ ! -x "$wine" ]; then
  echo "mingw-w64 or Wine not installed: Windows build skipped"
  exit 0
fi
export WINEDEBUG=-all
# Wine reads the command line in the locale's character set: UTF-8 here.
export LC_ALL=C.UTF-8
corpus=${TARNWICK_CORPUS:-$(pwd)/../shared/corpus}
linux_cli=${LINUX_CLI:-build/src/tarnwick-cli}
failed=()
step=${1:-all}
windows_cli=build-windows/src/tarnwick-cli.exe

if [ "$step" = all ] || [ "$step" = build ]; then
  echo "== cross build (build-windows): the programs its tests run"
  cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNWICK_UNITY=ON \
    "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG" \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DTARNWICK_GUI=OFF -DTARNWICK_TESTS=ON \
    --no-warn-unused-cli >/dev/null || exit 1
  cmake --build build-windows -j "$(nproc)" --target core_tests tarnwick-cli tarnwick-conformance ||
    exit 1
  # The first start makes the Wine prefix (several seconds, with noise on
  # stderr).
  "$wine" wineboot --init >/dev/null 2>&1
fi
# A server kept alive between runs makes each start quick.
[ "$step" = build ] || "$wineserver" -p30

if [ "$step" = all ] || [ "$step" = tests ]; then
  echo "== tests under Wine"
  ctest --test-dir build-windows --output-on-failure -j "${WINDOWS_TEST_JOBS:-$(nproc)}" || failed+=(tests)
fi

if [ "$step" != all ] && [ "$step" != format ]; then
  :
elif [ ! -x "$linux_cli" ]; then
  echo "$linux_cli missing (build the Linux tool first)"; failed+=(format)
else
  echo "== format under Wine against Linux: the sample and every corpus file ($corpus)"
  out=$(mktemp -d)
  compared=0 different=0
  # same_format NAME ARGS...: "format ARGS" with OUT standing for the output
  # path gives the same exit code, messages and bytes on both systems.
  same_format() {
    local name=$1; shift
    local linux_args=("${@//OUT/$out/linux/$name}") windows_args=("${@//OUT/$out/windows/$name}")
    mkdir -p "$out/linux" "$out/windows"
    "$linux_cli" format "${linux_args[@]}" >/dev/null 2>"$out/linux/$name.err"
    local linux_rc=$?
    "$wine" "$windows_cli" format "${windows_args[@]}" >/dev/null 2>"$out/windows/$name.err"
    local windows_rc=$?
    compared=$((compared + 1))
    if [ $linux_rc -ne $windows_rc ] || ! diff -r "$out/linux" "$out/windows" >"$out/diff"; then
      echo "DIFFERENT: format $* (exit $linux_rc on Linux, $windows_rc on Windows)"
      head -n 20 "$out/diff"
      different=$((different + 1))
    fi
    rm -rf "$out/linux" "$out/windows"
  }
  for file in examples/tarnwick.{wld,mob,obj,shp,zon}; do
    same_format "$(basename "$file")" "$file" -o OUT
  done
  same_format sample-project examples/tarnwick.qzp --out-dir OUT
  if [ -d "$corpus" ]; then
    while IFS= read -r file; do
      ext=${file##*.}
      case "$ext" in wld|mob|obj|zon|shp) ;; *) continue ;; esac
      # A zone file is formatted with its zone's rooms, mobiles and objects,
      # so the comments that name them are compared too.
      extra=()
      if [ "$ext" = zon ]; then
        zone=$(basename "$file" .zon) top=$(dirname "$(dirname "$file")")
        for kind in wld mob obj; do
          [ -f "$top/$kind/$zone.$kind" ] && extra+=("$top/$kind/$zone.$kind")
        done
        [ ${#extra[@]} -gt 0 ] && extra=(--world "${extra[@]}")
      fi
      same_format "$(basename "$file")" "$file" -o OUT "${extra[@]}"
    done < <(find "$corpus" -type f | LC_ALL=C sort)
  else
    echo "no corpus: only the sample compared"
  fi
  rm -rf "$out"
  echo "$compared formats compared, $different different"
  [ "$different" -eq 0 ] || failed+=(format)
fi

if [ ${#failed[@]} -gt 0 ]; then
  echo "Windows checks FAILED: ${failed[*]}"
  exit 1
fi
echo "Windows checks passed"
