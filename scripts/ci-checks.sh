#!/usr/bin/env bash
# The reliability checks: the core tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the conformance check over the corpus of real
# world files (when present), the file-permission tests as an ordinary user
# (when run as root), the widget tests under a comma-decimal locale, the real
# CircleMUD 3.0, 3.1 and tbaMUD servers booting what we save and what we convert between
# them, the Windows build under Wine,
# and every fuzz target for FUZZ_SECONDS (20) seconds. Exits non-zero when
# any of them fails.
#   usage: ci-checks.sh [CHECK...]   CHECK: sanitizers server dialect-servers convert-servers
#                                    conformance permissions comma-locale windows fuzzing
# Without a CHECK it runs them all, one after the other (about 10 minutes on
# 2 cores); scripts/test.sh runs them as stages instead, side by side.
# conformance runs the sanitizer tree's checker; permissions, comma-locale
# and server use the programs in build/.
set -uo pipefail
cd "$(dirname "$0")/.."
export TARNWICK_CORPUS=${TARNWICK_CORPUS:-$(pwd)/../shared/corpus}
export SANITIZE_BUILD_DIR=${SANITIZE_BUILD_DIR:-build-sanitize}

check_sanitizers() { bash scripts/sanitize.sh; }
check_server() { bash scripts/server-check.sh build; }
check_dialect-servers() { bash scripts/dialect-server-check.sh build; }
check_convert-servers() { bash scripts/convert-server-check.sh build; }
check_windows() { bash scripts/windows-check.sh; }
check_fuzzing() { bash scripts/fuzz.sh; }

check_conformance() {
  local conformance=$SANITIZE_BUILD_DIR/tests/conformance/tarnwick-conformance rc
  echo "corpus: $TARNWICK_CORPUS"
  [ -x "$conformance" ] || { echo "$conformance is not built"; return 1; }
  "$conformance" "$TARNWICK_CORPUS" | tail -25
  rc=${PIPESTATUS[0]}
  if [ "$rc" -eq 77 ]; then
    echo "no corpus: conformance skipped"
  elif [ "$rc" -ne 0 ]; then
    return 1
  fi
}

# As root, an unreadable file is still readable and a read-only folder still
# takes files, so those tests skip; run them once more as an ordinary user.
check_permissions() {
  local core_tests=build/tests/core_tests copy status=0
  if [ "$(id -u)" -ne 0 ]; then
    echo "not root: already run by ctest"
  elif ! command -v setpriv >/dev/null || ! id nobody >/dev/null 2>&1 || [ ! -x "$core_tests" ]; then
    echo "setpriv, the user nobody or $core_tests missing: skipped"
  else
    copy=$(mktemp -d)
    cp "$core_tests" "$copy/" && chmod 755 "$copy" "$copy/core_tests"
    (cd "$copy" && setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups \
      env HOME="$copy" TMPDIR=/tmp ./core_tests --gtest_brief=1 \
      --gtest_filter='*Unreadable*:*ReadOnlyFolder*') || status=1
    rm -rf "$copy"
  fi
  return $status
}

# Qt takes the process locale from the environment: numbers must still be
# shown and read with a decimal point under a locale that writes a comma.
check_comma-locale() {
  local gui_tests=build/tests/gui_tests
  if [ ! -x "$gui_tests" ]; then
    echo "$gui_tests is not built"; return 1
  elif ! locale -a | grep -qi '^de_DE\.utf-\?8$'; then
    echo "de_DE.UTF-8 not installed: skipped"
  else
    LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen "$gui_tests" --gtest_brief=1
  fi
}

checks=("$@")
[ ${#checks[@]} -gt 0 ] || checks=(sanitizers server dialect-servers convert-servers conformance permissions comma-locale windows fuzzing)
failed=()
for check in "${checks[@]}"; do
  if ! declare -F "check_$check" >/dev/null; then
    echo "ci-checks.sh: no check named '$check'"; exit 2
  fi
  echo "== $check"
  "check_$check" || failed+=("$check")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "reliability checks FAILED: ${failed[*]}"
  exit 1
fi
echo "reliability checks passed"
