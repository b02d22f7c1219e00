#!/usr/bin/env bash
# Brings the translation sources up to date with the program's texts: new
# texts are added as unfinished, texts no longer in the program are dropped.
# Translate the unfinished ones (Qt Linguist, or by hand) and commit the
# .ts files; scripts/check-translations.sh fails while any is left.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
lupdate="$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)"
"$lupdate" -silent -no-obsolete -locations none "$here/src" -ts "$here"/src/resources/RYXConfig_*.ts
for ts in "$here"/src/resources/RYXConfig_*.ts; do
  printf '%s: %s text(s) to translate\n' "$(basename "$ts")" "$(grep -c 'type="unfinished"' "$ts" || true)"
done
