#!/usr/bin/env bash
# Checks that the translations hold every text of the sources as they stand: lupdate brings a
# copy of each translators' source up to the tree, and the copy must come out unchanged, every
# message translated, none vanished, placeholders, line breaks and mnemonics kept.
set -euo pipefail
cd "$(dirname "$0")/.."
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp translations/*.ts "$scratch/"
/usr/lib/qt6/bin/lupdate -silent -locations none -I src src -ts "$scratch"/*.ts 2>/dev/null
status=0
for ts in translations/*.ts; do
  if ! diff -u "$ts" "$scratch/$(basename "$ts")" >"$scratch/diff"; then
    echo "$ts does not hold the texts of the sources as they stand (run scripts/update-translations.sh):" >&2
    grep '^[-+] ' "$scratch/diff" | head -20 >&2
    status=1
  fi
done
scripts/check-translations.py "$scratch"/*.ts || status=1
exit "$status"
