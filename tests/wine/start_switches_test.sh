#!/usr/bin/env bash
# Unknown switches and previews without a real parent end at once with -1 and no window. The
# diagnostic lines go to the debugger's output, and to standard output only when asked.
. "$(dirname "$0")/harness.sh"
gj_load

for args in "/x" "-Q" "/p 0" "/p" "/p 123456" "/l:99999"; do
    # shellcheck disable=SC2086
    gj_start glimmerjar.scr pid $args
    code=$(gj_wait_exit "$pid" 20)
    gj_expect_eq "$code" 255 "exit code for '$args'"
    grep -q '^Frame timer' "$pid_LOG" && gj_fail "'$args' ran a frame timer, so it made a window"
    gj_expect_eq "$(gj_count_windows WindowsScreenSaverClass -)" 0 "windows after '$args'"
done

# The password switch does nothing on the NT family and ends with -1.
gj_start glimmerjar.scr pid /a
gj_expect_eq "$(gj_wait_exit "$pid" 20)" 255 "exit code for /a"

# Without GLIMMERJAR_DIAGNOSTICS the program's standard output stays empty, however it is
# redirected; its lines reach the debugger's output (Wine's debugstr channel).
env -u GLIMMERJAR_DIAGNOSTICS WINEDEBUG=+debugstr wine "$GJ_BIN/glimmerjar.scr" /x \
    >"$GJ_TMP/quiet.out" 2>"$GJ_TMP/quiet.err"
gj_expect_eq "$(wc -c <"$GJ_TMP/quiet.out")" 0 "bytes on standard output without GLIMMERJAR_DIAGNOSTICS"
grep -q 'OutputDebugStringA "Command Line:' "$GJ_TMP/quiet.err" || gj_fail "no diagnostic line in the debugger's output"
echo "ok"
