#!/usr/bin/env bash
# Brings translations/tamzor_*.ts up to date with the sources: new texts come in unfinished, texts
# that are gone are dropped. Translate the unfinished ones with Qt Linguist (`linguist
# translations/tamzor_de.ts`) or in the file itself, then commit the catalog.
#
#   bash scripts/update-translations.sh [CATALOG...]
set -euo pipefail
cd "$(dirname "$0")/.."

# Every folder whose code or forms the user reads; those that do not exist (yet) are left out.
areas=()
for area in app common config control core ctl dialogs models platform records storage wizards; do
    [ -d "$area" ] && areas+=("$area")
done

catalogs=("$@")
[ ${#catalogs[@]} -gt 0 ] || catalogs=(translations/tamzor_*.ts)

# Without locations the catalogs do not change when a file moves to another folder.
lupdate -silent -I . -extensions cpp,h,ui -locations none -no-obsolete "${areas[@]}" \
    -ts "${catalogs[@]}"
