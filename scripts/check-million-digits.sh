#!/usr/bin/env bash
# The bracket that archimede --cifre 1000000 prints, computed by the same
# certifyPi, holds Arb's arb_const_pi and is pi truncated to 1000000 decimals
# and one unit above. Takes minutes (about 1800 square roots at 3.3 million
# bits) and some tens of megabytes; builds the release preset's tests.
#
# Usage: scripts/check-million-digits.sh
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release --target certified_tests
build/release/tests/certified/certified_tests --gtest_also_run_disabled_tests \
    --gtest_filter='CertifyPi.DISABLED_MillionDigits'
