#!/usr/bin/env bash
# Runs one fuzzer for a while over its committed seeds (new inputs go to a scratch
# folder, so the committed corpus only grows by hand). A crash or sanitizer report fails;
# the input that caused it is kept in build/fuzz-crashes/ for the corpus.
#   fuzz.sh FUZZER CORPUS SECONDS
set -euo pipefail
fuzzer=${1:?usage: fuzz.sh FUZZER CORPUS SECONDS} corpus=${2:?} seconds=${3:-20}
root=$(cd "$(dirname "$0")/.." && pwd)
crashes=$root/build/fuzz-crashes/$(basename "$fuzzer")
mkdir -p "$crashes"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$crashes/" -rss_limit_mb=4096 \
    "$work" "$corpus" 2>&1 | grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE|==[0-9]+==|SUMMARY|INFO: -max_total_time)' || true
exit "${PIPESTATUS[0]}"
