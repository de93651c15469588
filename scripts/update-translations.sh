#!/usr/bin/env bash
# Brings the English translation in step with the code: every text the Qt
# code marks (tr(), QT_TR_NOOP, QT_TRANSLATE_NOOP) gets its row, texts the code
# no longer has are dropped. New rows come in unfinished; give each its
# English form (the text itself when it is English already) and remove
# type="unfinished". Usage: update-translations.sh [TS_FILE]
# (default translations/tarnwick_en.ts); lupdate is $LUPDATE, else Qt 6's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ts=$(realpath -m "${1:-$root/translations/tarnwick_en.ts}")
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$lupdate" ] || lupdate=$(command -v lupdate6 || command -v lupdate)
cd "$root"
# lupdate does not read "namespace a::b {": it names the classes' contexts
# without their namespaces, which the program's translator allows for.
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h src/ui src/app -ts "$ts" 2>&1 |
  grep -v 'Qualifying with unknown namespace/class' >&2 || true
