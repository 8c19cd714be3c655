#!/usr/bin/env bash
# Sets everything up, builds the three trees and runs every test: the unit and GL tests and
# the fuzzers under AddressSanitizer and UndefinedBehaviorSanitizer (build/sanitize), then
# unit, GL, tree checks, the real Windows program under Wine and the Linux program on Xvfb
# (build/linux). Ends with CTest's summary; non-zero on any failure in either tree.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
status=0
ctest --test-dir build/sanitize --output-on-failure --timeout 600 -j2 || status=1
ctest --test-dir build/linux --output-on-failure --timeout 600 -j2 || status=1
exit $status
