#!/usr/bin/env bash
# Checks the translation catalogs: each committed catalog translates every entry it has, and
# lupdate, run on the current sources, adds no entry to it that is not translated yet. A text
# added to the sources without its translation fails here with the list of what is missing.
#
#   check-translations.sh SOURCE_DIR
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=common.sh
source "$here/common.sh"
source_dir="$1"

require_tools awk
# qtchooser's lupdate is there even when Qt's is not.
lupdate -version >/dev/null 2>&1 || missing "lupdate (qttools5-dev-tools)"

# Prints "context: source" for every entry of a catalog that lacks its translation.
untranslated() {
    awk '
        function text(s) {
            gsub(/&lt;/, "<", s); gsub(/&gt;/, ">", s); gsub(/&quot;/, "\"", s)
            gsub(/&apos;/, "'\''", s); gsub(/&amp;/, "\\&", s); gsub(/\n/, "\\n", s)
            return s
        }
        /<name>/ && !inside {
            context = $0; sub(/.*<name>/, "", context); sub(/<\/name>.*/, "", context)
        }
        /<message/ { inside = 1; message = "" }
        inside { message = message $0 "\n" }
        /<\/message>/ {
            inside = 0
            if (message ~ /type="(unfinished|vanished|obsolete)"|<translation><\/translation>|<translation\/>|<numerusform><\/numerusform>/) {
                source = message; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source)
                print "  " context ": " text(source)
            }
        }
    ' "$1"
}

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
catalogs=("$source_dir"/translations/tamzor_*.ts)
[ -e "${catalogs[0]}" ] || fail "no catalog in $source_dir/translations"

update_hint="Run \`bash scripts/update-translations.sh\`, translate the unfinished entries (with
Qt Linguist: \`linguist translations/tamzor_de.ts\`, or in the file itself) and commit the catalog."

for catalog in "${catalogs[@]}"; do
    [ -e "$catalog" ] || continue
    name="$(basename "$catalog")"
    missing="$(untranslated "$catalog")"
    [ -z "$missing" ] ||
        fail "translations/$name has entries without a translation:"$'\n'"$missing"$'\n'"$update_hint"

    cp "$catalog" "$scratch/$name"
    if ! bash "$source_dir/scripts/update-translations.sh" "$scratch/$name" >"$scratch/lupdate.log" 2>&1; then
        cat "$scratch/lupdate.log" >&2
        fail "lupdate failed on the sources"
        continue
    fi
    added="$(untranslated "$scratch/$name" | grep -vxFf <(printf '%s\n' "$missing") || true)"
    [ -z "$added" ] ||
        fail "texts in the sources that translations/$name does not translate yet:"$'\n'"$added"$'\n'"$update_hint"
done
finish
