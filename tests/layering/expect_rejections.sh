#!/usr/bin/env bash
# Runs each check on a tree of known faults: it must fail and report exactly
# the lines marked "rejected" there, none missed and no other.
# Usage: expect_rejections.sh FIXTURE_DIR CHECK...
set -euo pipefail
fixtures=$1
shift

marked=$(cd "$fixtures" && grep -rn 'rejected' . | cut -d: -f1,2 | sed 's|^\./||' | sort)
reported=
passed=true
for check in "$@"; do
    status=0
    output=$(bash "$check" "$fixtures") || status=$?
    if [[ $status -ne 1 ]]; then
        echo "$check ended with status $status on the known faults, not 1"
        passed=false
    fi
    reported+=$(grep -E '^[^ :]+:[0-9]+:' <<<"$output" | cut -d: -f1,2)$'\n'
done
reported=$(sort <<<"${reported%$'\n'}")

if [[ $marked != "$reported" ]]; then
    echo "Marked (<) and reported (>) differ:"
    diff <(echo "$marked") <(echo "$reported") | grep '^[<>]'
    passed=false
fi
if ! $passed; then
    exit 1
fi
echo "Every known fault rejected, and nothing else"
