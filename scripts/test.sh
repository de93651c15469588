#!/usr/bin/env bash
# Installs what the tests need, builds, runs every test, builds and tries the
# Debian package, then the reliability checks: sanitizers, real-data
# conformance, the real servers, the Windows build under Wine and bounded
# fuzzing. Exits non-zero when any stage fails.
#
# Two lanes share the machine. The builds go one after the other, each on
# both cores: the main tree (build/), the sanitizer tree (with the fuzz
# targets on its instrumented core) and the Windows tree, each for the
# programs its stages run. Only the main tree
# waits for the first packages (the editor's and GoogleTest); the rest
# install while it builds. A stage that runs programs starts as soon as its
# tree is built, RUN_JOBS (2) at a time beside the builds: most of them use
# one core (Wine, the fuzzers, the servers) or wait on files, and they fill
# the cores a build leaves idle while it links. Each stage's output is kept
# and printed whole at the end, then a table of the stages' wall times.
set -uo pipefail
cd "$(dirname "$0")/.."
began=$(date +%s)
bash scripts/install-deps.sh build || exit 1
export TARNWICK_CORPUS=${TARNWICK_CORPUS:-$(pwd)/../shared/corpus}
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

# stage NAME COMMAND...: runs COMMAND with its output in NAME's log, then
# writes its exit status and wall time as NAME's result.
stage() {
  local name=$1 start end rc
  shift
  start=$(date +%s.%N)
  "$@" >"$logs/$name.log" 2>&1
  rc=$?
  end=$(date +%s.%N)
  echo "$rc $(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.0f", e - s }')" >"$logs/$name.tmp"
  mv "$logs/$name.tmp" "$logs/$name.result"
}
done_stage() { [ -f "$logs/$1.result" ]; }
passed_stage() { done_stage "$1" && [ "$(cut -d' ' -f1 "$logs/$1.result")" = 0 ]; }
await() { until done_stage "$1"; do sleep 1; done; }

stage install-rest bash scripts/install-deps.sh test &

# The build lane. A tree that needs the rest of the packages waits for them.
builds() {
  echo "== building build/"
  stage build bash scripts/build.sh
  await install-rest
  echo "== building build-sanitize/"
  stage sanitizer-build bash scripts/sanitize.sh build
  echo "== building build-windows/"
  stage windows-build bash scripts/windows-check.sh build
}
builds &

# The run lane: NAME|TREES|COMMAND, in the order they start once their
# trees are built and every package is in (the servers' compiler parts, the
# package tools, the locale).
ctest_main() { QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j 2; }
runs=(
  "ctest|build|ctest_main"
  "server|build|bash scripts/ci-checks.sh server"
  "dialect-servers|build|bash scripts/ci-checks.sh dialect-servers"
  "convert-servers|build|bash scripts/ci-checks.sh convert-servers"
  "package|build|bash scripts/package-check.sh"
  "comma-locale|build|bash scripts/ci-checks.sh comma-locale"
  "permissions|build|bash scripts/ci-checks.sh permissions"
  "fuzzing|sanitizer-build|env FUZZ_BUILD_DIR=build-sanitize bash scripts/fuzz.sh run"
  "sanitizers|sanitizer-build|env SANITIZE_JOBS=1 bash scripts/sanitize.sh run"
  "conformance|sanitizer-build|bash scripts/ci-checks.sh conformance"
  "windows-tests|windows-build|env WINDOWS_TEST_JOBS=1 bash scripts/windows-check.sh tests"
  "windows-format|windows-build build|bash scripts/windows-check.sh format"
)
# One more at a time once the build lane is done and its cores are free.
running_runs() {
  local n=0 name
  for name in "${started[@]+"${started[@]}"}"; do done_stage "$name" || n=$((n + 1)); done
  echo $n
}
slots() { if done_stage windows-build; then echo $((${RUN_JOBS:-2} + 1)); else echo "${RUN_JOBS:-2}"; fi; }
pending=("${runs[@]}")
started=()
while [ ${#pending[@]} -gt 0 ]; do
  left=()
  for run in "${pending[@]}"; do
    IFS='|' read -r name trees command <<<"$run"
    ready=yes
    for tree in install-rest $trees; do done_stage "$tree" || ready=no; done
    if [ $ready = no ] || [ "$(running_runs)" -ge "$(slots)" ]; then
      left+=("$run")
      continue
    fi
    failed_tree=""
    for tree in $trees; do passed_stage "$tree" || failed_tree=$tree; done
    if [ -n "$failed_tree" ]; then
      echo "not run: $failed_tree failed" >"$logs/$name.log"
      echo "1 0" >"$logs/$name.result"
      continue
    fi
    echo "== started $name"
    started+=("$name")
    # shellcheck disable=SC2086
    stage "$name" $command &
  done
  pending=("${left[@]+"${left[@]}"}")
  [ ${#pending[@]} -gt 0 ] && sleep 1
done
wait

names=(install-rest build sanitizer-build windows-build)
for run in "${runs[@]}"; do names+=("${run%%|*}"); done
for name in "${names[@]}"; do
  echo
  echo "== $name"
  cat "$logs/$name.log" 2>/dev/null
done

echo
echo "| stage | wall time | result |"
echo "|---|---:|---|"
failed=()
for name in "${names[@]}"; do
  read -r rc secs <"$logs/$name.result" 2>/dev/null || { rc=1 secs=0; }
  result=passed
  [ "$rc" -eq 0 ] || { result="FAILED (exit $rc)"; failed+=("$name"); }
  printf '| %s | %d min %02d s | %s |\n' "$name" $((secs / 60)) $((secs % 60)) "$result"
done
total=$(($(date +%s) - began))
printf '| the whole command, packages included | %d min %02d s | |\n' $((total / 60)) $((total % 60))
if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "all stages passed"
