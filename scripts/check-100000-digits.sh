#!/usr/bin/env bash
# The check behind docs/richardson-remainder.md, section 8: the bracket that
# archimede --cifre 100000 prints, computed by the same certifyPi, holds
# Arb's arb_const_pi and is pi truncated to 100000 decimals and one unit
# above. Too slow for ctest (seconds); builds the release preset's tests.
#
# Usage: scripts/check-100000-digits.sh
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release --target certified_tests
build/release/tests/certified/certified_tests --gtest_also_run_disabled_tests \
    --gtest_filter='CertifyPi.DISABLED_HundredThousandDigits'
