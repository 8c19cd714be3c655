#!/usr/bin/env bash
# The help viewer's OLE callback answers as the rich-edit control expects (a Windows test
# program, run under Wine).
. "$(dirname "$0")/harness.sh"
gj_load
[ -f "$GJ_BIN/help_ole_callback_test.exe" ] || gj_fail "no help_ole_callback_test.exe at $GJ_BIN"
output=$(wine "$GJ_BIN/help_ole_callback_test.exe" 2>&1 | tr -d '\r')
echo "$output"
echo "$output" | grep -q '^passed: 0 failure(s)$' || gj_fail "the callback test failed"
echo "ok"
