#!/usr/bin/env bash
# Builds the fuzz preset and runs every fuzzer for a bounded time on a copy of
# its seed corpus in build/fuzz/corpus/ (new inputs stay there, never in the
# repository). Exits non-zero when any fuzzer finds a crash, a sanitizer
# report, a failed check or a timeout; the input is kept in build/fuzz/artifacts/.
#
# Usage: scripts/fuzz.sh [seconds per fuzzer]   (default 60, or $FUZZ_SECONDS)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-${FUZZ_SECONDS:-60}}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "uso: scripts/fuzz.sh [secondi per fuzzer]" >&2
    exit 2
fi

bash scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

build=build/fuzz
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

failed=()
for seeds in fuzz/corpus/*/; do
    fuzzer="$(basename "$seeds")"
    corpus="$build/corpus/$fuzzer"
    artifacts="$build/artifacts/$fuzzer"
    mkdir -p "$corpus" "$artifacts"
    for seed in "$seeds"*; do
        [ -e "$corpus/$(basename "$seed")" ] || cp "$seed" "$corpus/"
    done
    echo "== $fuzzer: $seconds s"
    # -timeout: every input here takes well under a second (most well under a
    # millisecond); ten mean a loop that no longer ends.
    if ! "$build/fuzz/$fuzzer" "$corpus" -max_total_time="$seconds" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" 2>"$build/$fuzzer.log"; then
        failed+=("$fuzzer")
    fi
    grep -E '^#[0-9]+.*DONE|stat::number_of_executed_units|ERROR|count_text:|number_format:|archimede_options:|certified_bounds:|command_line:' \
        "$build/$fuzzer.log" || true
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Fuzzer falliti: ${failed[*]} (log in $build/, input in $build/artifacts/)" >&2
    exit 1
fi
