#!/usr/bin/env bash
# Fails when a user-visible text of the program has no translation: runs
# lupdate over the sources into copies of the committed .ts files and
# reports every text that comes out unfinished, and any file that lupdate
# would change (a text added, changed or dropped since it was translated).
set -uo pipefail
root="$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}" && pwd)"
lupdate="$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root"/src/resources/RYXConfig_*.ts "$work"/
if ! "$lupdate" -silent -no-obsolete -locations none "$root/src" -ts "$work"/*.ts; then
  echo "lupdate failed"
  exit 1
fi
bad=0
for ts in "$work"/*.ts; do
  name="$(basename "$ts")"
  missing="$(grep -c 'type="unfinished"' "$ts" || true)"
  if [ "$missing" -gt 0 ]; then
    echo "$name: $missing text(s) without a translation:"
    # The source line comes just before its unfinished translation.
    grep -B1 'type="unfinished"' "$ts" | sed -n 's/^ *<source>\(.*\)<\/source>$/  \1/p'
    bad=1
  fi
  if ! cmp -s "$ts" "$root/src/resources/$name"; then
    echo "$name is not what lupdate makes of the sources: run scripts/update-translations.sh and translate"
    diff -u "$root/src/resources/$name" "$ts" | head -40
    bad=1
  fi
done
exit "$bad"
