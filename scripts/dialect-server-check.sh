#!/usr/bin/env bash
# Boots the real CircleMUD 3.1 and tbaMUD servers (in their syntax-check
# mode) on what Tarnwick saves of their own worlds: every zone of each
# corpus opened as a project and saved with no edit (every file must come
# out byte for byte as it went in) and re-formatted, then a zone made through
# the editors' operations in each dialect. A saved world must boot with exit
# 0, no more SYSERR lines than the corpus as it is, and (tbaMUD) no file the
# server had to rewrite; a failure names the world and quotes the server.
#   usage: scripts/dialect-server-check.sh [BUILD_DIR]     (default: build)
# Skips a dialect, with a message, when its server source or corpus is absent
# (../shared/server-circle31, ../shared/server-tbamud, ../shared/corpus-*).
set -uo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
shared=${TARNWICK_SHARED:-$(pwd)/../shared}
cli=$build/src/tarnwick-cli
edited=$build/tests/tarnwick-edited-zone
[ -x "$cli" ] || { echo "dialect server check: $cli is not built"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# boot NAME DIR MAX_SYSERR: exit 0, at most MAX_SYSERR SYSERR lines and no
# file rewritten, or a failure quoting the server.
boot() {
  local name=$1 dir=$2 max=$3 log=$work/boot.log rc count rewrote
  bash "$server/check-world.sh" "$dir" >"$log" 2>&1
  rc=$?
  count=$(sed -n 's/^server exit [0-9]*, SYSERR lines: \([0-9]*\).*$/\1/p' "$log")
  rewrote=$(sed -n 's/^server exit .*files the server rewrote: \([0-9]*\)$/\1/p' "$log")
  count=${count:-999999} rewrote=${rewrote:-0}
  if [ "$rc" -eq 0 ] && [ "$count" -le "$max" ] && [ "$rewrote" -eq 0 ]; then
    echo "ok   $dialect, $name: server exit 0, $count SYSERR line(s), no file rewritten"
    return 0
  fi
  echo "FAIL $dialect, $name: server exit $rc, $count SYSERR line(s) (at most $max allowed)," \
    "$rewrote file(s) rewritten"
  { grep -E 'SYSERR|Converting' "$log" | grep -v '^server exit' || tail -n 3 "$log"; } |
    head -n 20 | sed 's/^/     server: /'
  failed=1
  return 1
}

# check DIALECT SERVER_DIR CORPUS_DIR BIN_VARIABLE KINDS...
check() {
  dialect=$1 server=$2
  local corpus=$3 bin_var=$4
  shift 4
  local kinds=("$@") baseline verb out n qzp t unsaved
  if [ ! -f "$server/check-world.sh" ] || [ ! -d "$corpus/zon" ]; then
    echo "no $dialect server at $server or corpus at $corpus: $dialect check skipped"
    return 0
  fi
  bash scripts/server-build.sh "$server" "$build" "$dialect" >/dev/null 2>"$work/build.log" ||
    { echo "FAIL the $dialect server did not build"; tail -n 5 "$work/build.log"; failed=1; return 1; }
  export "$bin_var=$build/servers/$dialect/circle"
  bash "$server/check-world.sh" -q "$corpus" >"$work/corpus.log" 2>&1 ||
    { echo "FAIL $dialect: the corpus itself does not boot"; failed=1; return 1; }
  baseline=$(sed -n 's/^server exit [0-9]*, SYSERR lines: \([0-9]*\).*$/\1/p' "$work/corpus.log")
  echo "$dialect corpus as it is: server exit 0, $baseline SYSERR line(s)"
  for verb in save format; do
    out=$work/$dialect-$verb
    unsaved=0
    for t in "${kinds[@]}"; do mkdir -p "$out/$t"; done
    mkdir -p "$work/projects"
    for zon in "$corpus"/zon/*.zon; do
      n=$(basename "$zon" .zon)
      qzp=$work/projects/$dialect-$n.qzp
      "$cli" project create "$qzp" --force --zone-number "$n" --zon "$corpus/zon/$n.zon" \
        --wld "$corpus/wld/$n.wld" --mob "$corpus/mob/$n.mob" --obj "$corpus/obj/$n.obj" \
        --shp "$corpus/shp/$n.shp" >/dev/null 2>&1
      if ! "$cli" "$verb" "$qzp" --out-dir "$work/out-$n" >"$work/$verb.log" 2>&1; then
        echo "FAIL $dialect, $verb of zone $n:"; head -n 10 "$work/$verb.log" | sed 's/^/     /'
        failed=1 unsaved=$((unsaved + 1))
      fi
      for t in "${kinds[@]}"; do
        [ -f "$corpus/$t/$n.$t" ] && [ -f "$work/out-$n/$n.$t" ] && mv "$work/out-$n/$n.$t" "$out/$t/"
      done
      rm -rf "$work/out-$n"
    done
    [ "$unsaved" -eq 0 ] || { echo "FAIL $dialect, $verb: $unsaved zone(s) not saved, not booted"; continue; }
    boot "corpus saved by $verb" "$out" "$baseline"
    if [ "$verb" = save ]; then
      if diff -r "$corpus" "$out" -x README.md >"$work/save.diff"; then
        echo "ok   $dialect corpus saved with no edit: every file the same bytes"
      else
        echo "FAIL $dialect corpus saved with no edit differs:"; head -n 20 "$work/save.diff" | sed 's/^/     /'
        failed=1
      fi
    fi
  done
  # A zone made through the editors' operations in this dialect: not one
  # SYSERR line names it.
  if [ -x "$edited" ]; then
    if "$edited" --dialect "$dialect" examples/tarnwick.qzp "$work/edited-$dialect" >"$work/edited.log" 2>&1; then
      for t in "${kinds[@]}"; do
        mkdir -p "$work/edited-$dialect-world/$t"
        cp "$work/edited-$dialect/tarnwick.$t" "$work/edited-$dialect-world/$t/" 2>/dev/null
      done
      boot "zone made through the editors" "$work/edited-$dialect-world" 0
    else
      echo "FAIL $dialect: the edited zone was not made:"; sed 's/^/     /' "$work/edited.log"
      failed=1
    fi
  fi
}

check circle31 "$shared/server-circle31" "$shared/corpus-circle31" CIRCLE31_BIN wld mob obj zon shp
check tbamud "$shared/server-tbamud" "$shared/corpus-tbamud" TBAMUD_BIN wld mob obj zon shp trg qst

if [ "$failed" -ne 0 ]; then
  echo "dialect server check FAILED"
  exit 1
fi
echo "dialect server check passed"
