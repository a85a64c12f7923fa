#!/usr/bin/env bash
# The layers of the source tree, lowest first; a file may include only from
# its own folder and from folders of a lower layer:
#   0  runtime/          the runtime's services (no Qt)
#   1  calc/             the core: state, doubling, compute command, rows (no Qt)
#      certified/        proven bounds, beside the core (no Qt)
#      runtime/host/     the Qt side of the runtime
#   2  pictures/         the drawing and the chart, for Esplora and archimede
#   3  form/ explore/ archimede/ web/   the faces, which never include one another
#   4  apps/             the window's programs
# Usage: check_layering.sh SOURCE_DIR. Prints every include that breaks a
# rule and exits 1 if there is one.
set -euo pipefail
cd "$1"

layer_of() {
    case "$1" in
    runtime/host) echo 1 ;;
    runtime) echo 0 ;;
    calc | certified) echo 1 ;;
    pictures) echo 2 ;;
    form | explore | archimede | web) echo 3 ;;
    apps) echo 4 ;;
    *) echo "" ;;
    esac
}

qt_free() {
    case "$1" in
    runtime | calc | certified | web) return 0 ;;
    *) return 1 ;;
    esac
}

# The folder a path belongs to: runtime/host is a layer of its own.
folder_of() {
    case "$1" in
    runtime/host/*) echo runtime/host ;;
    *) echo "${1%%/*}" ;;
    esac
}

faults=0
while IFS= read -r file; do
    folder=$(folder_of "$file")
    layer=$(layer_of "$folder")
    [ -n "$layer" ] || continue
    while IFS=: read -r line text; do
        if [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
            included=${BASH_REMATCH[1]}
            target=$(folder_of "$included")
            target_layer=$(layer_of "$target")
            if [ -n "$target_layer" ] && [ "$target" != "$folder" ] &&
                [ "$target_layer" -ge "$layer" ]; then
                echo "$file:$line: $folder/ (layer $layer) includes $included (layer $target_layer)"
                faults=$((faults + 1))
            fi
        elif [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<(Q[A-Za-z]*)[/\>] ]] &&
            qt_free "$folder"; then
            echo "$file:$line: $folder/ is free of Qt but includes <${BASH_REMATCH[1]}>"
            faults=$((faults + 1))
        fi
    done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(find runtime calc certified pictures form explore archimede apps web/core \
    -type f \( -name '*.cpp' -o -name '*.hpp' -o -name '*.h' \) | sort)

if [ "$faults" -gt 0 ]; then
    echo "$faults includes break the layers"
    exit 1
fi
echo "Layers kept"
