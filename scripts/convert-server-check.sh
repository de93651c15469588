#!/usr/bin/env bash
# Boots the real servers on what 'tarnwick-cli convert' makes of a world in
# another dialect: the CircleMUD 3.0 corpus converted to tbaMUD and to 3.1,
# each booted by that server (exit 0, no more SYSERR lines than the 3.0
# server gives on the corpus as it is, and no file tbaMUD had to rewrite);
# the tbaMUD corpus converted down to 3.0, booted by the 3.0 server, and up
# again to tbaMUD, booted by tbaMUD, and down to 3.1, booted by 3.1 (no
# more SYSERR lines than the tbaMUD corpus gives). A failure names the world and quotes the server.
#   usage: scripts/convert-server-check.sh [BUILD_DIR]     (default: build)
# Skips a check, with a message, when its server source or corpus is absent
# (../shared/server, ../shared/server-circle31, ../shared/server-tbamud,
# ../shared/corpus/circle30, ../shared/corpus-tbamud).
set -uo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
shared=${TARNWICK_SHARED:-$(pwd)/../shared}
cli=$build/src/tarnwick-cli
[ -x "$cli" ] || { echo "convert server check: $cli is not built"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TMPDIR=$work
failed=0

# server NAME DIR BIN_VARIABLE: builds the server once; false when absent.
declare -A built
server() {
  local name=$1 dir=$2 var=$3
  [ -f "$dir/check-world.sh" ] || { echo "no $name server at $dir: its checks skipped"; return 1; }
  if [ -z "${built[$name]:-}" ]; then
    bash scripts/server-build.sh "$dir" "$build" "$name" >/dev/null 2>"$work/build.log" ||
      { echo "FAIL the $name server did not build"; tail -n 5 "$work/build.log"; failed=1; return 1; }
    built[$name]=1
  fi
  export "$var=$build/servers/$name/circle"
}

# baseline DIR SERVER_DIR: the SYSERR count of the world as it is (it must exit 0).
baseline() {
  bash "$2/check-world.sh" -q "$1" >"$work/base.log" 2>&1 || { echo 999999; return; }
  sed -n 's/^server exit [0-9]*, SYSERR lines: \([0-9]*\).*$/\1/p' "$work/base.log"
}

# boot NAME DIR SERVER_DIR MAX: exit 0, at most MAX SYSERR lines, no file
# rewritten; else a failure quoting the server.
boot() {
  local name=$1 dir=$2 srv=$3 max=$4 log=$work/boot.log rc count rewrote
  bash "$srv/check-world.sh" "$dir" >"$log" 2>&1
  rc=$?
  count=$(sed -n 's/^server exit [0-9]*, SYSERR lines: \([0-9]*\).*$/\1/p' "$log")
  rewrote=$(sed -n 's/^server exit .*files the server rewrote: \([0-9]*\)$/\1/p' "$log")
  count=${count:-999999} rewrote=${rewrote:-0}
  if [ "$rc" -eq 0 ] && [ "$count" -le "$max" ] && [ "$rewrote" -eq 0 ]; then
    echo "ok   $name: server exit 0, $count SYSERR line(s) (at most $max), no file rewritten"
    return 0
  fi
  echo "FAIL $name: server exit $rc, $count SYSERR line(s) (at most $max allowed)," \
    "$rewrote file(s) rewritten"
  { grep -E 'SYSERR|Converting' "$log" | grep -v '^server exit' || tail -n 3 "$log"; } |
    head -n 20 | sed 's/^/     server: /'
  failed=1
}

# convert IN DIALECT OUT: the whole world, what the target cannot hold
# dropped; the world read must come out of it untouched.
sums() { (cd "$1" && find . -type f -exec md5sum {} + | sort); }
convert() {
  local before
  before=$(sums "$1")
  if ! "$cli" convert "$1" --to "$2" -o "$3" --yes >"$work/convert.log" 2>"$work/convert.err"; then
    echo "FAIL convert $1 to $2:"; head -n 10 "$work/convert.err" | sed 's/^/     /'
    failed=1
    return 1
  fi
  echo "     $(tail -n 1 "$work/convert.log")"
  [ "$before" = "$(sums "$1")" ] || { echo "FAIL convert $1 to $2 changed the world it read"; failed=1; }
}

c30=$shared/corpus/circle30 tba=$shared/corpus-tbamud
if [ -d "$c30/zon" ] && server circle30 "$shared/server" CIRCLE_BIN; then
  base30=$(baseline "$c30" "$shared/server")
  echo "circle30 corpus as it is: server exit 0, $base30 SYSERR line(s)"
  for to in tbamud:server-tbamud:TBAMUD_BIN circle31:server-circle31:CIRCLE31_BIN; do
    IFS=: read -r dialect dir var <<<"$to"
    server "$dialect" "$shared/$dir" "$var" || continue
    convert "$c30" "$dialect" "$work/c30-$dialect" &&
      boot "circle30 corpus converted to $dialect" "$work/c30-$dialect" "$shared/$dir" "$base30"
  done
else
  echo "no circle30 corpus at $c30 or 3.0 server: upward checks skipped"
fi

if [ -d "$tba/zon" ] && server tbamud "$shared/server-tbamud" TBAMUD_BIN &&
   server circle30 "$shared/server" CIRCLE_BIN; then
  basetba=$(baseline "$tba" "$shared/server-tbamud")
  echo "tbamud corpus as it is: server exit 0, $basetba SYSERR line(s)"
  if convert "$tba" circle30 "$work/tba-c30"; then
    # The zones 3.0 cannot hold are left out, so references into them fail:
    # exit 0 is what counts here, with at most the tbaMUD corpus's count.
    boot "tbamud corpus converted to circle30" "$work/tba-c30" "$shared/server" "$basetba"
    convert "$work/tba-c30" tbamud "$work/tba-c30-tba" &&
      boot "tbamud corpus down to circle30 and up again" "$work/tba-c30-tba" \
        "$shared/server-tbamud" "$basetba"
  fi
  if server circle31 "$shared/server-circle31" CIRCLE31_BIN &&
     convert "$tba" circle31 "$work/tba-c31"; then
    boot "tbamud corpus converted to circle31" "$work/tba-c31" "$shared/server-circle31" "$basetba"
  fi
else
  echo "no tbamud corpus at $tba or its servers: downward checks skipped"
fi

if [ "$failed" -ne 0 ]; then
  echo "convert server check FAILED"
  exit 1
fi
echo "convert server check passed"
