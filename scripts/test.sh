#!/usr/bin/env bash
# Sets everything up, builds both trees and runs every test: unit, GL, tree checks, and the
# real Windows program under Wine. Ends with CTest's summary; non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
ctest --test-dir build/linux --output-on-failure --timeout 600 -j2
