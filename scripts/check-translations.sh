#!/usr/bin/env bash
# Fails when a text of the sources has no finished translation, or a translation
# is left over from a text the sources no longer have: runs lupdate over the
# sources into a scratch copy of each translations/*.ts.
# `check-translations.sh update` updates the .ts files themselves instead (new
# texts come in unfinished, for a translator to fill in).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
sources=(app platform entry reports analysis choices engine)
if [[ ${1:-} == update ]]; then
  for ts in translations/*.ts; do
    "$lupdate" -silent -I . -locations none -no-obsolete "${sources[@]}" -ts "$ts"
  done
  exit 0
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in translations/*.ts; do
  copy=$scratch/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" -silent -I . -locations none "${sources[@]}" -ts "$copy"
  unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
  stale=$(grep -cE 'type="(vanished|obsolete)"' "$copy" || true)
  if ((unfinished + stale > 0)); then
    echo "Translations: $ts has $unfinished unfinished or missing and $stale stale entries;" \
      "run scripts/check-translations.sh update and translate the new texts:" >&2
    grep -B1 -E 'type="(unfinished|vanished|obsolete)"' "$copy" | grep '<source>' | head -20 >&2
    status=1
  fi
done
((status == 0)) && echo "Translations: every text of the sources is translated."
exit "$status"
