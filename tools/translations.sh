#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts of the program (new texts
# come in unfinished, for a translator to fill in with Qt Linguist):
#   tools/translations.sh
# With --check it changes nothing and fails while a text is missing from a
# .ts file, untranslated or no longer used (the test suite runs it).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lupdate="${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}"
tsFiles=("$root"/translations/brindlow_*.ts)

# The line numbers are left out, so that a change in a file leaves the .ts files alone.
update() {
    (cd "$root" && "$lupdate" -silent -locations none -no-obsolete -I . app pages models stores -ts "$@")
}

if [ "${1:-}" != --check ]; then
    update "${tsFiles[@]}"
    exit 0
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp "${tsFiles[@]}" "$scratch/"
update "$scratch"/brindlow_*.ts
status=0
for ts in "$scratch"/brindlow_*.ts; do
    name="$(basename "$ts")"
    if ! cmp -s "$ts" "$root/translations/$name"; then
        echo "$name is not up to date with the program's texts (run tools/translations.sh):"
        diff "$root/translations/$name" "$ts" | head -20
        status=1
    fi
    if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts"; then
        echo "$name has texts left to translate or no longer used:"
        grep -B3 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts" | grep '<source>' | head -20
        status=1
    fi
done
exit $status
