#!/usr/bin/env bash
# The screen-saver password hooks. On today's Windows they do nothing: the saver closes on
# Escape without asking and the a switch only ends the program. With Wine reporting
# Windows 98 (for the saver only, in this test prefix) the saver asks PASSWORD.CPL before
# it closes and asks again after a refusal, the a switch calls MPR.DLL's password change,
# and a missing library or export is reported on standard error and lets the saver close.
# Stand-ins for both libraries, built by the project, answer from files and note calls.
. "$(dirname "$0")/harness.sh"
gj_load

libraries=$GJ_BIN/test_libraries
version_key='HKCU\Software\Wine\AppDefaults\glimmerjar.scr'
trap 'wine reg delete "$version_key" /f >/dev/null 2>&1; gj_cleanup' EXIT

# saver_folder NAME [LIBRARY_FOLDER...]: a folder holding the saver and the given
# stand-in libraries (the program finds them beside itself first).
saver_folder() {
    local folder=$GJ_TMP/$1
    shift
    mkdir -p "$folder"
    cp "$GJ_BIN/glimmerjar.scr" "$folder/"
    local library
    for library in "$@"; do cp "$libraries/$library"/* "$folder/" 2>/dev/null; done
    echo "$folder"
}

# escape_keeps_running ID: Escape, then the saver must still be there a while later.
escape_keeps_running() {
    gj_key Escape
    sleep 2
    gj_running "$1" || gj_fail "the saver closed although the password was refused"
}

calls() { [ -f "$1/password-calls.txt" ] && grep -c . "$1/password-calls.txt" || echo 0; }

# --- the NT family: no password check, a does nothing ---
nt=$(saver_folder nt password mpr)
echo no >"$nt/password-answer.txt"
gj_start_file "$nt/glimmerjar.scr" saver /s
gj_wait_window WindowsScreenSaverClass Glimmerjar 20 >/dev/null
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$saver" 15)" 0 "saver exit code on the NT family"
gj_expect_eq "$(calls "$nt")" 0 "password questions on the NT family"
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mpr=n,b" gj_start_file "$nt/glimmerjar.scr" change /a
gj_expect_eq "$(gj_wait_exit "$change" 15)" 255 "exit code of /a on the NT family"
[ ! -e "$nt/mpr-calls.txt" ] || gj_fail "/a called the password change on the NT family"
gj_expect_eq "$(gj_count_windows WindowsScreenSaverClass -)" 0 "windows made by /a"

# --- Windows 98 ---
wine reg add "$version_key" /v Version /d win98 /f >/dev/null 2>&1 || gj_fail "cannot set the Windows version"

nine=$(saver_folder nine password mpr)
echo no >"$nine/password-answer.txt"
gj_start_file "$nine/glimmerjar.scr" saver /s
gj_wait_window WindowsScreenSaverClass Glimmerjar 20 >/dev/null
escape_keeps_running "$saver"
gj_expect_eq "$(calls "$nine")" 1 "questions after the first Escape"
escape_keeps_running "$saver"
gj_expect_eq "$(calls "$nine")" 2 "questions after the second Escape"
grep -qv 'window=1' "$nine/password-calls.txt" && gj_fail "the saver did not give its window: $(cat "$nine/password-calls.txt")"
echo yes >"$nine/password-answer.txt"
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$saver" 15)" 0 "saver exit code after the right password"
gj_expect_eq "$(calls "$nine")" 3 "questions in all"

# The a switch hands the change to MPR.DLL: provider SCRSAVE, no parent, no reserved values.
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mpr=n,b" gj_start_file "$nine/glimmerjar.scr" change /a
gj_expect_eq "$(gj_wait_exit "$change" 15)" 255 "exit code of /a on Windows 98"
gj_expect_eq "$(tr -d '\r' <"$nine/mpr-calls.txt" 2>/dev/null)" "provider=SCRSAVE parent=0 reserved=0,0" \
    "password change call"

# Without PASSWORD.CPL, or with one that lacks the export, the saver closes and says why.
bare=$(saver_folder bare)
gj_start_file "$bare/glimmerjar.scr" saver /s
gj_wait_window WindowsScreenSaverClass Glimmerjar 20 >/dev/null
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$saver" 15)" 0 "saver exit code without PASSWORD.CPL"
grep -q '^Unable to load PASSWORD.CPL. Aborting' "$saver_LOG" || gj_fail "no message about the missing PASSWORD.CPL"

lacking=$(saver_folder lacking password_without_export mpr_without_export)
gj_start_file "$lacking/glimmerjar.scr" saver /s
gj_wait_window WindowsScreenSaverClass Glimmerjar 20 >/dev/null
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$saver" 15)" 0 "saver exit code without the export"
grep -q '^Unable to get VerifyPwProc address. Aborting' "$saver_LOG" || gj_fail "no message about the missing export"

WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mpr=n" gj_start_file "$lacking/glimmerjar.scr" change /a
gj_expect_eq "$(gj_wait_exit "$change" 15)" 255 "exit code of /a without the export"
grep -q '^PwdChangeProc not found: cannot change password' "$change_LOG" || gj_fail "no message about the missing change export"

WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mpr=" gj_start_file "$bare/glimmerjar.scr" change /a
gj_expect_eq "$(gj_wait_exit "$change" 15)" 255 "exit code of /a without MPR.DLL"
grep -q '^MPR.DLL not found: cannot change password.' "$change_LOG" || gj_fail "no message about the missing MPR.DLL"
echo "ok"
