#!/usr/bin/env bash
# The page's modules keep the layers of the C++ faces: the faces of the page
# (web/src/form1.ts, web/src/esplora.ts) never import each other, and the
# shared view helpers import neither a face nor main.ts, the page's program,
# which alone puts the faces together. Every form is read: import ... from,
# export ... from (on any line of a statement spread over several), a bare
# import "..." and import("...").
# Usage: check_page_imports.sh SOURCE_DIR. Prints every import that breaks a
# rule and exits 1 if there is one.
set -euo pipefail
cd "$1"

faces=" web/src/form1 web/src/esplora "
program=web/src/main
import_pattern="(from|import)[[:space:]]*\(?[[:space:]]*[\"']([^\"']+)[\"']"

faults=0
for file in web/src/*.ts; do
    [[ $file == *.d.ts ]] && continue
    module=${file%.ts}
    while IFS=: read -r line text; do
        [[ $text =~ $import_pattern ]] || continue
        name=${BASH_REMATCH[2]}
        [[ $name == ./* || $name == ../* ]] || continue
        imported=$(realpath -m -s --relative-to=. "web/src/$name")
        imported=${imported%.ts}
        imported=${imported%.js}
        if [[ $faces == *" $module "* && $faces == *" $imported "* && $imported != "$module" ]]; then
            echo "$file:$line: the face ${module##*/} imports the face ${imported##*/}"
            faults=$((faults + 1))
        elif [[ $faces != *" $module "* && $module != "$program" ]] &&
            [[ $faces == *" $imported "* || $imported == "$program" ]]; then
            echo "$file:$line: the helper ${module##*/} imports ${imported##*/}, above it"
            faults=$((faults + 1))
        fi
    done < <(grep -n -o -E "$import_pattern" "$file" || true)
done

if [[ $faults -gt 0 ]]; then
    echo "$faults imports break the page's layers"
    exit 1
fi
echo "Page layers kept"
