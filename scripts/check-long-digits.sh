#!/usr/bin/env bash
# The long checks behind docs/richardson-remainder.md, too slow for ctest: the
# bracket that archimede --cifre N prints, computed by the same certifyPi,
# holds Arb's arb_const_pi and is pi truncated to N decimals and one unit
# above. N is 100000 (seconds) or 1000000 (minutes, about 1800 square roots
# at 3.3 million bits, some tens of megabytes). Builds the release preset's
# tests.
#
# Usage: scripts/check-long-digits.sh [100000|1000000]   (default 100000)
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-100000}" in
100000) test=HundredThousandDigits ;;
1000000) test=MillionDigits ;;
*)
    echo "Uso: scripts/check-long-digits.sh [100000|1000000]" >&2
    exit 2
    ;;
esac

cmake --preset release >/dev/null
cmake --build --preset release --target certified_tests
build/release/tests/certified/certified_tests --gtest_also_run_disabled_tests \
    --gtest_filter="CertifyPi.DISABLED_$test"
