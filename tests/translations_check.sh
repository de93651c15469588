#!/usr/bin/env bash
# Fails when a text the Qt code shows has no finished English translation in
# translations/tarnwick_en.ts, or when the file is out of step with the code:
# lupdate is run on a copy, which must come out unchanged.
set -euo pipefail
root=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
ts=$root/translations/tarnwick_en.ts
cp "$ts" "$tmp/en.ts"
bash "$root/scripts/update-translations.sh" "$tmp/en.ts" 2>/dev/null
status=0
if grep -q 'type="unfinished"\|<translation></translation>' "$tmp/en.ts"; then
  echo "Texts without an English translation (scripts/update-translations.sh, then translate them):"
  grep -B1 'type="unfinished"\|<translation></translation>' "$tmp/en.ts" | grep -o '<source>.*' || true
  status=1
fi
if ! diff -u "$ts" "$tmp/en.ts" > "$tmp/diff"; then
  echo "translations/tarnwick_en.ts is out of step with the code (scripts/update-translations.sh):"
  head -60 "$tmp/diff"
  status=1
fi
exit $status
