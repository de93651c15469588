#!/usr/bin/env bash
# Installs what the tests need, builds, runs every test, builds and tries the
# Debian package, then the reliability checks: sanitizers, real-data
# conformance, the real server, the Windows build under Wine and bounded
# fuzzing. Exits non-zero when any stage fails.
#
# The builds come first, one after the other, each using both cores: the
# main tree (build/), the sanitizer tree, the Windows tree and the fuzz tree,
# each for the programs its stage runs. Then the stages that run programs go
# side by side, TEST_JOBS (2) at a time, longest first: most of them use one
# core (Wine, the fuzzers, the server) or wait on files. Each stage's output
# is kept and printed whole when all are done, then a table of the stages'
# wall times.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test || exit 1
export TARNWICK_CORPUS=${TARNWICK_CORPUS:-$(pwd)/../shared/corpus}
began=$(date +%s)
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
names=() results=()

# stage NAME COMMAND...: runs COMMAND with its output in NAME's log and its
# exit status and wall time in NAME's result.
stage() {
  local name=$1 start end rc
  shift
  start=$(date +%s.%N)
  "$@" >"$logs/$name.log" 2>&1
  rc=$?
  end=$(date +%s.%N)
  echo "$rc $(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.0f", e - s }')" >"$logs/$name.result"
}

# The builds: their output shows as they go.
build_stage() {
  local name=$1
  shift
  names+=("$name")
  echo "== $name"
  stage "$name" "$@"
  cat "$logs/$name.log"
}
build_stage build bash scripts/build.sh
build_stage sanitizer-build bash scripts/sanitize.sh build
build_stage windows-build bash scripts/windows-check.sh build
build_stage fuzz-build bash scripts/fuzz.sh build

# The runs, side by side, longest first.
ctest_main() { QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j 2; }
runs=(
  "fuzzing|bash scripts/fuzz.sh run"
  "windows-format|bash scripts/windows-check.sh format"
  "sanitizers|env SANITIZE_JOBS=1 bash scripts/sanitize.sh run"
  "server|bash scripts/ci-checks.sh server"
  "dialect-servers|bash scripts/ci-checks.sh dialect-servers"
  "convert-servers|bash scripts/ci-checks.sh convert-servers"
  "windows-tests|env WINDOWS_TEST_JOBS=1 bash scripts/windows-check.sh tests"
  "ctest|ctest_main"
  "package|bash scripts/package-check.sh"
  "comma-locale|bash scripts/ci-checks.sh comma-locale"
  "conformance|bash scripts/ci-checks.sh conformance"
  "permissions|bash scripts/ci-checks.sh permissions"
)
# The order their output is printed in: the main tests first.
shown=(ctest package sanitizers server dialect-servers convert-servers conformance permissions comma-locale windows-tests
       windows-format fuzzing)
for run in "${runs[@]}"; do
  name=${run%%|*}
  while [ "$(jobs -rp | wc -l)" -ge "${TEST_JOBS:-2}" ]; do wait -n; done
  echo "== started $name"
  # shellcheck disable=SC2086
  stage "$name" ${run#*|} &
done
wait
for name in "${shown[@]}"; do
  names+=("$name")
  echo
  echo "== $name"
  cat "$logs/$name.log"
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
printf '| all stages, side by side where they could | %d min %02d s | |\n' $((total / 60)) $((total % 60))
if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "all stages passed"
