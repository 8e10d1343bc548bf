#!/usr/bin/env bash
# Brings the translators' sources in translations/ up to the texts in src/: new texts are added
# unfinished, texts no longer used are dropped. Run it after changing a text, then translate.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
"$lupdate" -silent -locations none -no-obsolete -I src src -ts translations/melvane_de.ts translations/melvane_fr.ts \
  translations/melvane_es.ts "$@"
