#!/usr/bin/env bash
# Boots the real CircleMUD 3.0 server (in its syntax-check mode) on what
# Tarnwick saves: the corpus as it is, the corpus saved through projects with
# each set of format options, the sample zone, and a zone made through the
# editors' operations. A saved world must boot with exit 0 and no more SYSERR
# lines than the original; a failure names the world and quotes the server.
#   usage: scripts/server-check.sh [BUILD_DIR]     (default: build)
# Needs tarnwick-cli and tarnwick-edited-zone built in BUILD_DIR. Skips when
# the server source (../shared/server, or TARNWICK_SERVER) is absent.
set -uo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
server=${TARNWICK_SERVER:-$(pwd)/../shared/server}
corpus=${TARNWICK_CORPUS:-$(pwd)/../shared/corpus}/circle30
cli=$build/src/tarnwick-cli
edited=$build/tests/tarnwick-edited-zone

if [ ! -f "$server/check-world.sh" ]; then
  echo "no server source at $server: server check skipped"
  exit 0
fi
for tool in "$cli" "$edited"; do
  [ -x "$tool" ] || { echo "server check: $tool is not built"; exit 1; }
done
CIRCLE_BIN=$(bash scripts/server-build.sh "$server" "$build" circle30) ||
  { echo "server check: the server did not build"; exit 1; }
export CIRCLE_BIN
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# boot NAME DIR MAX_SYSERR [PATTERN]: exit 0 and at most MAX_SYSERR lines (of
# those matching PATTERN, when given) or a failure quoting the server.
boot() {
  local name=$1 dir=$2 max=$3 pattern=${4:-SYSERR} log=$work/boot.log rc count
  bash "$server/check-world.sh" "$dir" >"$log" 2>&1
  rc=$?
  count=$(grep SYSERR "$log" | grep -v '^server exit' | grep -c -- "$pattern")
  if [ "$rc" -eq 0 ] && [ "$count" -le "$max" ]; then
    echo "ok   $name: server exit 0, $count SYSERR line(s)"
    return 0
  fi
  echo "FAIL $name: server exit $rc, $count SYSERR line(s) (at most $max allowed)"
  { grep SYSERR "$log" | grep -v '^server exit' || tail -n 3 "$log"; } | head -n 20 |
    sed 's/^/     server: /'
  failed=1
  return 1
}

# The corpus as it is: the count every saved copy is held to.
if [ -d "$corpus/zon" ]; then
  bash "$server/check-world.sh" -q "$corpus" >"$work/corpus.log" 2>&1
  corpus_rc=$?
  corpus_syserr=$(sed -n 's/^server exit [0-9]*, SYSERR lines: \([0-9]*\)$/\1/p' "$work/corpus.log")
  echo "corpus as it is: server exit $corpus_rc, $corpus_syserr SYSERR line(s)"
  [ "$corpus_rc" -eq 0 ] || { echo "FAIL the corpus itself does not boot"; failed=1; }

  # Every zone opened as a project and saved elsewhere: re-formatted with
  # each option set, and saved as the editor's Save does (what did not
  # change keeps its bytes).
  for options in "" "--old-shops" "--obj-levels" "--obj-levels --mat-specs" "--alpha-bitvectors" save; do
    verb=format
    if [ "$options" = save ]; then verb=save options=""; fi
    out=$work/saved-$verb${options// /}
    mkdir -p "$out"/{wld,mob,obj,zon,shp} "$work/projects"
    unsaved=0
    for zon in "$corpus"/zon/*.zon; do
      n=$(basename "$zon" .zon)
      qzp=$work/projects/$n.qzp
      "$cli" project create "$qzp" --force --zone-number "$n" --zon "$corpus/zon/$n.zon" \
        --wld "$corpus/wld/$n.wld" --mob "$corpus/mob/$n.mob" --obj "$corpus/obj/$n.obj" \
        --shp "$corpus/shp/$n.shp" >/dev/null 2>&1
      # shellcheck disable=SC2086
      if ! "$cli" "$verb" "$qzp" --out-dir "$work/out-$n" $options >"$work/format.log" 2>&1; then
        echo "FAIL $verb of zone $n ${options:-(default options)}:"; sed 's/^/     /' "$work/format.log"
        failed=1 unsaved=$((unsaved + 1))
      fi
      for t in wld mob obj zon shp; do
        # A file the zone does not have stays absent.
        [ -f "$corpus/$t/$n.$t" ] && [ -f "$work/out-$n/$n.$t" ] && mv "$work/out-$n/$n.$t" "$out/$t/"
      done
      rm -rf "$work/out-$n"
    done
    if [ "$unsaved" -eq 0 ]; then
      boot "corpus saved by $verb ${options:-(default options)}" "$out" "$corpus_syserr"
      if [ "$verb" = save ]; then
        # Nothing was edited: every file comes out as it went in.
        if diff -r "$corpus" "$out" >"$work/save.diff"; then
          echo "ok   corpus saved with no edit: every file the same bytes"
        else
          echo "FAIL corpus saved with no edit differs:"; head -n 20 "$work/save.diff" | sed 's/^/     /'
          failed=1
        fi
      fi
    else
      echo "FAIL corpus saved by $verb ${options:-(default options)}: $unsaved zone(s) not saved, not booted"
    fi
  done
  # One room renamed, one mob's level, one object's cost, one shop's profit
  # and one zone command's max changed in every zone (the core test that
  # checks each file changes only there writes them out): the server boots
  # them as it boots the corpus.
  if [ -x "$build/tests/core_tests" ]; then
    TARNWICK_EDITED_CORPUS=$work/edited-corpus TARNWICK_CORPUS=$(dirname "$corpus") \
      "$build/tests/core_tests" --gtest_brief=1 \
      --gtest_filter=KeptSaves.EveryCorpusZoneSavesOnlyWhatChanged >"$work/kept.log" 2>&1 ||
      { echo "FAIL the edited corpus was not made:"; tail -n 20 "$work/kept.log"; failed=1; }
    boot "corpus with one edit of each kind per zone, saved" "$work/edited-corpus" "$corpus_syserr"
  fi
else
  echo "no corpus at $corpus: corpus boots skipped"
fi

# Text lines at the server's limit: 509 bytes boot, as the last line of a
# text (a room's name, with its ~) and inside one (a description line). A
# line of 510 inside a text overruns the server's line buffer (it crashes),
# and the tool says so before anything is saved, on either kind of line.
long=$work/long-lines
mkdir -p "$long"/{wld,mob,obj,zon,shp}
l509=$(head -c 509 /dev/zero | tr '\0' x)
printf '#1\nLong lines~\n199 30 2\nS\n$\n' >"$long/zon/1.zon"
printf '#100\n%s~\n%s\nend~\n1 0 0\nS\n$\n' "$l509" "$l509" >"$long/wld/1.wld"
boot "text lines of 509 bytes" "$long" 0
printf '#100\n%s~\n%s\nend~\n1 0 0\nS\n$\n' "$l509" "${l509}x" >"$long/wld/1.wld"
bash "$server/check-world.sh" "$long" >"$work/boot.log" 2>&1
echo "     the server on a 510-byte line inside a text: exit $? (as measured: it crashes)"
for where in inside last; do
  if [ "$where" = inside ]; then
    printf '#100\nA room~\n%sx\nend~\n1 0 0\nS\n$\n' "$l509" >"$work/510.wld"
  else
    printf '#100\n%sx~\nA room.\n~\n1 0 0\nS\n$\n' "$l509" >"$work/510.wld"
  fi
  said=$("$cli" check --server "$work/510.wld" 2>&1)
  if grep -q "text line of 510 bytes" <<<"$said"; then
    echo "ok   a 510-byte text line ($where) is reported before saving"
  else
    echo "FAIL a 510-byte text line ($where) is not reported"; failed=1
  fi
done

# The sample zone, saved.
if "$cli" format examples/tarnwick.qzp --out-dir "$work/sample" >"$work/format.log" 2>&1; then
  mkdir -p "$work/sample-world"/{wld,mob,obj,zon,shp}
  for t in wld mob obj zon shp; do cp "$work/sample/tarnwick.$t" "$work/sample-world/$t/"; done
  boot "sample zone saved" "$work/sample-world" 0
else
  echo "FAIL format of the sample zone:"; sed 's/^/     /' "$work/format.log"
  failed=1
fi

# A zone made through the editors' operations, renumbered, saved: not one
# SYSERR line (the stub start zones of check-world.sh beside it give none).
if "$edited" examples/tarnwick.qzp "$work/edited" >"$work/edited.log" 2>&1; then
  mkdir -p "$work/edited-world"/{wld,mob,obj,zon,shp}
  for t in wld mob obj zon shp; do cp "$work/edited/tarnwick.$t" "$work/edited-world/$t/" 2>/dev/null; done
  cat "$work/edited.log"
  boot "edited zone saved" "$work/edited-world" 0
else
  echo "FAIL the edited zone was not made:"; sed 's/^/     /' "$work/edited.log"
  failed=1
fi

if [ "$failed" -ne 0 ]; then
  echo "server check FAILED"
  exit 1
fi
echo "server check passed"
