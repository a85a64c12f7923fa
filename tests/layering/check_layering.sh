#!/usr/bin/env bash
# The layers of the source tree, lowest first; a file may include only from
# its own folder and from folders of a lower layer:
#   0  runtime/          the runtime's services (no Qt)
#   1  calc/             the core: state, doubling, compute command, rows (no Qt)
#      certified/        proven bounds, beside the core (no Qt)
#      runtime/host/     the Qt side of the runtime
#   2  pictures/         the drawing and the chart, for Esplora and archimede
#      tools/            programs the build runs, never installed (no Qt)
#   3  form/ explore/ archimede/ web/core/   the faces, which never include one another
#   4  apps/             the window's programs
#   5  tests/ fuzz/ bench/   the checks, which nothing includes
# The folders free of Qt include neither Qt's headers nor a folder that uses
# Qt, whatever its layer.
#
# Includes are read as the compiler reads them: quoted or in angle brackets,
# with or without spaces around '#'. A name holding "." or ".." and a quoted
# name of a file beside the including one are resolved from that file's
# folder, any other name from the root. Qt's headers are <QString>,
# <QtCore/...> and the lower-case <qglobal.h>.
# Usage: check_layering.sh SOURCE_DIR. Prints every include that breaks a
# rule and exits 1 if there is one.
set -euo pipefail
cd "$1"

declare -A layer=(
    [runtime]=0
    [calc]=1 [certified]=1 [runtime/host]=1
    [pictures]=2 [tools]=2
    [form]=3 [explore]=3 [archimede]=3 [web/core]=3
    [apps]=4
    [tests]=5 [fuzz]=5 [bench]=5
)
declare -A qt_free=([runtime]=1 [calc]=1 [certified]=1 [tools]=1 [web/core]=1)

# The helpers answer in REPLY, so that no include costs a process.

# The folder of the table that holds a path ("runtime/host", "calc"), or "".
folder_of() {
    local first=${1%%/*} rest=${1#*/}
    local second=$first/${rest%%/*}
    REPLY=
    if [[ $1 == */*/* && -n ${layer[$second]+set} ]]; then
        REPLY=$second
    elif [[ $1 == */* && -n ${layer[$first]+set} ]]; then
        REPLY=$first
    fi
}

# A path with its "." and ".." taken out: "pictures/../explore/a.hpp" is
# "explore/a.hpp".
normalize() {
    local part
    local -a parts kept=()
    IFS=/ read -ra parts <<<"$1"
    for part in "${parts[@]}"; do
        case $part in
        '' | .) ;;
        ..)
            if [[ ${#kept[@]} -gt 0 && ${kept[-1]} != .. ]]; then
                unset 'kept[-1]'
            else
                kept+=(..)
            fi
            ;;
        *) kept+=("$part") ;;
        esac
    done
    local IFS=/
    REPLY="${kept[*]}"
}

# The file the compiler takes for an include of name, in brackets '"' or
# '<', from file.
resolve_include() {
    local file=$1 name=$2 bracket=$3
    normalize "${file%/*}/$name"
    if [[ /$name/ == */./* || /$name/ == */../* ]] || [[ $bracket == '"' && -f $REPLY ]]; then
        return
    fi
    normalize "$name"
}

# GCC's quadmath.h is the one lower-case "q" header outside Qt.
is_qt_header() {
    [[ $1 =~ ^(Q[A-Za-z0-9_]*|Qt[A-Za-z0-9_]*/.+|q[a-z0-9_]*\.h)$ && $1 != quadmath* ]]
}

include_pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*(["<])([^">]+)[">]'
faults=0
fault() {
    echo "$file:$line: $1"
    faults=$((faults + 1))
}

# Every folder of the table below the checks' is read.
sources=()
for folder in "${!layer[@]}"; do
    if [[ ${layer[$folder]} -lt ${layer[tests]} && -d $folder ]]; then
        sources+=("$folder")
    fi
done
if [[ ${#sources[@]} -eq 0 ]]; then
    echo "$1 holds none of the layered folders"
    exit 1
fi

while IFS= read -r file; do
    folder_of "$file"
    folder=$REPLY
    while IFS=: read -r line text; do
        [[ $text =~ $include_pattern ]] || continue
        bracket=${BASH_REMATCH[1]}
        name=${BASH_REMATCH[2]}
        resolve_include "$file" "$name" "$bracket"
        folder_of "$REPLY"
        target=$REPLY
        if [[ -n $target ]]; then
            if [[ $target != "$folder" && ${layer[$target]} -ge ${layer[$folder]} ]]; then
                fault "$folder/ (layer ${layer[$folder]}) includes $name, of $target/ (layer ${layer[$target]})"
            elif [[ -n ${qt_free[$folder]+set} && -z ${qt_free[$target]+set} ]]; then
                fault "$folder/ is free of Qt but includes $name, of $target/, which uses Qt"
            fi
        elif [[ -n ${qt_free[$folder]+set} ]] && is_qt_header "$name"; then
            fault "$folder/ is free of Qt but includes <$name>"
        fi
    done < <(grep -n -E "$include_pattern" "$file" || true)
done < <(find "${sources[@]}" -type f \( -name '*.cpp' -o -name '*.hpp' -o -name '*.h' \) | sort -u)

if [[ $faults -gt 0 ]]; then
    echo "$faults includes break the layers"
    exit 1
fi
echo "Layers kept"
