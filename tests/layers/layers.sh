#!/usr/bin/env bash
# Fails when a source file includes a header from a folder above its own: the layers of the
# project depend on each other one way only.
set -euo pipefail
cd "$(dirname "$0")/../.."
declare -A rank=(
    [common]=0 [records]=1 [control]=2 [config]=3 [storage]=4 [core]=5
    [models]=6 [dialogs]=6 [wizards]=6 [platform]=6 [app]=7 [ctl]=7
)
status=0
for folder in "${!rank[@]}"; do
    [ -d "$folder" ] || continue
    while IFS=: read -r file line text; do
        included=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$text")
        [ -n "${rank[$included]+set}" ] || continue
        if [ "${rank[$included]}" -gt "${rank[$folder]}" ]; then
            echo "$file:$line: $folder includes from $included, a layer above it"
            status=1
        fi
    done < <(grep -rn --include='*.h' --include='*.cpp' --include='*.c' '#include "[a-z]*/' "$folder" || true)
done
exit $status
