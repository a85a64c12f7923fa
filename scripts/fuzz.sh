#!/usr/bin/env bash
# Builds the fuzz preset and runs every fuzzer for a bounded time on a copy of
# its seed corpus in build/fuzz/corpus/ (new inputs stay there, never in the
# repository), as many at once as the machine has cores. Exits non-zero when
# any fuzzer finds a crash, a sanitizer report, a failed check or a timeout;
# the input is kept in build/fuzz/artifacts/.
#
# Usage: scripts/fuzz.sh [seconds per fuzzer]   (default 60, or $FUZZ_SECONDS)
# $FUZZ_PRESET chooses another configure preset (CI: ci-fuzz, warnings as
# errors), $FUZZ_JOBS how many fuzzers run at once.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-${FUZZ_SECONDS:-60}}"
jobs="${FUZZ_JOBS:-$(nproc)}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ && "$jobs" =~ ^[1-9][0-9]*$ ]]; then
    echo "uso: scripts/fuzz.sh [secondi per fuzzer]" >&2
    exit 2
fi

preset="${FUZZ_PRESET:-fuzz}"
bash scripts/setup.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"

build="build/$preset"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# One fuzzer, its seeds copied in first; its status in $build/<fuzzer>.status.
fuzz() {
    local fuzzer="$1" seeds="fuzz/corpus/$1/"
    local corpus="$build/corpus/$fuzzer" artifacts="$build/artifacts/$fuzzer"
    mkdir -p "$corpus" "$artifacts"
    for seed in "$seeds"*; do
        [ -e "$corpus/$(basename "$seed")" ] || cp "$seed" "$corpus/"
    done
    # -timeout: every input here takes well under a second (most well under
    # a millisecond); ten seconds mean a loop that no longer ends.
    local status=0
    "$build/fuzz/$fuzzer" "$corpus" -max_total_time="$seconds" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" 2>"$build/$fuzzer.log" || status=$?
    echo "$status" >"$build/$fuzzer.status"
}

fuzzers=()
for seeds in fuzz/corpus/*/; do
    fuzzers+=("$(basename "$seeds")")
done
echo "== ${fuzzers[*]}: $seconds s ciascuno, $jobs alla volta"
rm -f "$build"/*.status
for fuzzer in "${fuzzers[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
        wait -n || true
    done
    fuzz "$fuzzer" &
done
wait

failed=()
for fuzzer in "${fuzzers[@]}"; do
    echo "== $fuzzer"
    if [ "$(cat "$build/$fuzzer.status" 2>/dev/null)" != 0 ]; then
        failed+=("$fuzzer")
    fi
    grep -E '^#[0-9]+.*DONE|stat::number_of_executed_units|ERROR|count_text:|number_format:|archimede_options:|certified_bounds:|command_line:|language_list:' \
        "$build/$fuzzer.log" || true
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Fuzzer falliti: ${failed[*]} (log in $build/, input in $build/artifacts/)" >&2
    exit 1
fi
