#!/usr/bin/env bash
# Folders depend only downward: stores, then models, then pages, then app.
# Stores and models need no widgets, so a second backend never brings dialogs.
#   checkLayers.sh <source folder> <folder of the QtWidgets headers>
set -u
cd "$1" || exit 2
widgets="$2"
status=0

refuse() { echo "$1: $2"; status=1; }

check() {
    local folder=$1 forbidden=$2 noWidgets=$3
    for file in "$folder"/*.h "$folder"/*.cpp; do
        [ -e "$file" ] || continue
        while IFS= read -r line; do
            refuse "$file" "$line"
        done < <(grep -nE "^#include \"($forbidden)/" "$file")
        if [ "$noWidgets" = yes ]; then
            for header in $(sed -n 's/^#include <\(Q[A-Za-z]*\)>.*/\1/p' "$file"); do
                [ -e "$widgets/$header" ] && refuse "$file" "includes the widget header <$header>"
            done
        fi
    done
}

check stores "models|pages|app" yes
check models "pages|app" yes
check pages "app" no
exit $status
