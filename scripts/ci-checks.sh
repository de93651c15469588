#!/usr/bin/env bash
# The reliability checks: the core tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the conformance check over the corpus of real
# world files (when present), the file-permission tests as an ordinary user
# (when run as root), the widget tests under a comma-decimal locale, the real
# CircleMUD 3.0 server booting what we save, the Windows build under Wine,
# and every fuzz target for FUZZ_SECONDS (20) seconds. Exits non-zero when
# any of them fails. About 10 minutes on 2 cores.
set -uo pipefail
cd "$(dirname "$0")/.."
export TARNWICK_CORPUS=${TARNWICK_CORPUS:-$(pwd)/../shared/corpus}
export SANITIZE_BUILD_DIR=${SANITIZE_BUILD_DIR:-build-sanitize}
failed=()

echo "== sanitizers"
bash scripts/sanitize.sh || failed+=(sanitizers)

echo "== the real server boots what we save"
bash scripts/server-check.sh build || failed+=(server)

echo "== conformance ($TARNWICK_CORPUS)"
conformance=$SANITIZE_BUILD_DIR/tests/conformance/tarnwick-conformance
if [ -x "$conformance" ]; then
  "$conformance" "$TARNWICK_CORPUS" | tail -25
  rc=${PIPESTATUS[0]}
  if [ "$rc" -eq 77 ]; then
    echo "no corpus: conformance skipped"
  elif [ "$rc" -ne 0 ]; then
    failed+=(conformance)
  fi
else
  failed+=(conformance)
fi

# As root, an unreadable file is still readable and a read-only folder still
# takes files, so those tests skip; run them once more as an ordinary user.
echo "== permission cases as an unprivileged user"
core_tests=build/tests/core_tests
if [ "$(id -u)" -ne 0 ]; then
  echo "not root: already run by ctest"
elif ! command -v setpriv >/dev/null || ! id nobody >/dev/null 2>&1 || [ ! -x "$core_tests" ]; then
  echo "setpriv, the user nobody or $core_tests missing: skipped"
else
  copy=$(mktemp -d)
  cp "$core_tests" "$copy/" && chmod 755 "$copy" "$copy/core_tests"
  (cd "$copy" && setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups \
    env HOME="$copy" TMPDIR=/tmp ./core_tests --gtest_brief=1 \
    --gtest_filter='*Unreadable*:*ReadOnlyFolder*') || failed+=(permissions)
  rm -rf "$copy"
fi

# Qt takes the process locale from the environment: numbers must still be
# shown and read with a decimal point under a locale that writes a comma.
echo "== widget tests under a comma-decimal locale"
gui_tests=build/tests/gui_tests
if [ ! -x "$gui_tests" ]; then
  failed+=(comma-locale)
elif ! locale -a | grep -qi '^de_DE\.utf-\?8$'; then
  echo "de_DE.UTF-8 not installed: skipped"
else
  LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen "$gui_tests" --gtest_brief=1 || failed+=(comma-locale)
fi

echo "== Windows build under Wine"
bash scripts/windows-check.sh || failed+=(windows)

echo "== fuzzing"
bash scripts/fuzz.sh || failed+=(fuzzing)

if [ ${#failed[@]} -gt 0 ]; then
  echo "reliability checks FAILED: ${failed[*]}"
  exit 1
fi
echo "reliability checks passed"
