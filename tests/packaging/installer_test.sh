#!/usr/bin/env bash
# The real installer, made from this build by the release's own script and signed with a
# certificate made for the test: osslsigncode accepts the signature of the programs, the
# installer and the uninstaller it puts in place, against that certificate. A silent install
# for the person (no administrator rights asked) puts the programs in their programs
# folder, the Apps entry and the Start menu entries in place and, when asked, makes the
# installed .scr the screen saver, which then shows the lamp; installing again keeps a
# changed setting; installing again or uninstalling while the saver runs ends it first (it
# saves its lava); a silent uninstall leaves nothing of the install and gives up the screen
# saver while it is Glimmerjar's (by its short name too), keeping the settings unless told
# otherwise. For everyone, an administrator's install puts the screen saver in the system
# folder. The welcome page offers an administrator what the next page asks.
. "$(dirname "$0")/../wine/harness.sh"
. "$(dirname "$0")/../lamp_pixels.sh"
gj_load
version=${GJ_VERSION:?GJ_VERSION names the version of the build}
settings='HKLM\Software\Tessvane\Glimmerjar\V1.0'
apps='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Glimmerjar'
everyone_apps='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Glimmerjar'
desktop='HKCU\Control Panel\Desktop'
user_dir="$WINEPREFIX/drive_c/users/$(id -un)"
folder="$user_dir/AppData/Local/Programs/Glimmerjar"
menu="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Glimmerjar"
win_folder='C:\users\'"$(id -un)"'\AppData\Local\Programs\Glimmerjar'
restore_desktop() {
    wine reg delete "$desktop" /v SCRNSAVE.EXE /f >/dev/null 2>&1
    wine reg delete "$settings" /f >/dev/null 2>&1
    gj_cleanup
}
trap restore_desktop EXIT

value() { gj_reg_query "$1" /v "$2" | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
key_exists() { wine reg query "$1" >/dev/null 2>&1; }

# A throwaway code-signing certificate, as a release's would be given: a PKCS#12 file and
# its password in the environment.
for tool in openssl osslsigncode; do
    command -v "$tool" >/dev/null 2>&1 || gj_fail "$tool is not installed (run scripts/setup.sh)"
done
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Glimmerjar test signing" \
    -addext extendedKeyUsage=codeSigning -keyout "$GJ_TMP/key.pem" -out "$GJ_TMP/cert.pem" >/dev/null 2>&1 &&
    openssl pkcs12 -export -inkey "$GJ_TMP/key.pem" -in "$GJ_TMP/cert.pem" -passout pass:lava \
        -out "$GJ_TMP/signing.p12" >/dev/null 2>&1 || gj_fail "openssl made no certificate"
GLIMMERJAR_SIGN_PKCS12="$GJ_TMP/signing.p12" GLIMMERJAR_SIGN_PASSWORD=lava \
    bash "$(dirname "$0")/../../scripts/package-windows.sh" "$GJ_BIN" "$GJ_TMP/dist" >/dev/null ||
    gj_fail "the release script made no installer"
setup="$GJ_TMP/dist/glimmerjar-$version-setup.exe"
[ -f "$setup" ] || gj_fail "no glimmerjar-$version-setup.exe"
# signed FILE: the file's Authenticode signature holds, by the test's certificate.
signed() {
    osslsigncode verify -CAfile "$GJ_TMP/cert.pem" -in "$1" >"$GJ_TMP/verify.txt" 2>&1 ||
        { cat "$GJ_TMP/verify.txt"; gj_fail "no valid signature on $(basename "$1")"; }
}
# built_saver: the installed screen saver, its signature taken off, is the one built.
built_saver() {
    rm -f "$GJ_TMP/unsigned.scr"
    osslsigncode remove-signature -in "$folder/glimmerjar.scr" -out "$GJ_TMP/unsigned.scr" >/dev/null 2>&1 &&
        cmp -s "$GJ_TMP/unsigned.scr" "$GJ_BIN/glimmerjar.scr"
}
signed "$setup"
unzip -q -o "$GJ_TMP/dist/glimmerjar-$version-windows.zip" -d "$GJ_TMP/zip"
signed "$GJ_TMP/zip/Glimmerjar/glimmerjar.exe"
signed "$GJ_TMP/zip/Glimmerjar/glimmerjar.scr"
unzip -l "$GJ_TMP/dist/glimmerjar-$version-windows.zip" | awk 'NR > 3 && $4 != "" { print $4 }' | sort >"$GJ_TMP/zip.txt"
gj_expect_eq "$(tr '\n' ' ' <"$GJ_TMP/zip.txt")" "Glimmerjar/glimmerjar.exe Glimmerjar/glimmerjar.scr Glimmerjar/readme.txt " \
    "the zip's files"

# install ARGS...: runs the installer silently with ARGS and expects success.
install() {
    timeout 120 wine "$setup" /S "$@" >/dev/null 2>&1
    local code=$?
    gj_expect_eq "$code" 0 "the installer's exit code ($*)"
}

# uninstall FOLDER ARGS...: runs the installed uninstaller silently. It runs on from a copy
# of itself after the first process ends, so the wait is for its Apps entry to go.
uninstall() {
    local dir=$1 key=$2
    shift 2
    wine "$dir\\Uninstall Glimmerjar.exe" /S "$@" >/dev/null 2>&1 || gj_fail "the uninstaller did not start"
    for _ in $(seq 1 120); do
        key_exists "$key" || { sleep 1; return 0; }
        sleep 0.25
    done
    gj_fail "the uninstaller left its Apps entry after 30 seconds"
}

# --- a silent install for the person, made the screen saver ---
wine reg delete "$settings" /f >/dev/null 2>&1
install /SCREENSAVER
for file in glimmerjar.exe glimmerjar.scr readme.txt "Uninstall Glimmerjar.exe"; do
    [ -f "$folder/$file" ] || gj_fail "no $file in the programs folder"
done
signed "$folder/Uninstall Glimmerjar.exe"
signed "$folder/glimmerjar.scr"
built_saver || gj_fail "the installed screen saver is not the one built"
grep -q "Glimmerjar $version" "$folder/readme.txt" || gj_fail "the read-me does not name version $version"
gj_expect_eq "$(value "$apps" DisplayName)" "Glimmerjar" "the Apps entry's name"
gj_expect_eq "$(value "$apps" DisplayVersion)" "$version" "the Apps entry's version"
gj_expect_eq "$(value "$apps" InstallLocation)" "$win_folder" "the Apps entry's folder"
gj_expect_eq "$(value "$apps" DisplayIcon)" "$win_folder\\glimmerjar.exe,0" "the Apps entry's icon"
gj_expect_eq "$(value "$apps" QuietUninstallString)" "\"$win_folder\\Uninstall Glimmerjar.exe\" /S" \
    "the Apps entry's quiet uninstall"
size=$(value "$apps" EstimatedSize)
(( size > 1000 && size < 100000 )) || gj_fail "the Apps entry's size is $size KB"
key_exists "$everyone_apps" && gj_fail "a per-user install made an Apps entry for everyone"
gj_expect_eq "$(gj_helper shortcut "$menu/Glimmerjar.lnk" | tr '\n' '|')" \
    "target $win_folder\\glimmerjar.exe|arguments |icon $win_folder\\glimmerjar.exe 0|" "the lamp's Start menu entry"
gj_expect_eq "$(gj_helper shortcut "$menu/Glimmerjar Settings.lnk" | sed -n 1,2p | tr '\n' '|')" \
    "target $win_folder\\glimmerjar.scr|arguments /c|" "the settings' Start menu entry"
gj_expect_eq "$(value "$desktop" SCRNSAVE.EXE)" "$win_folder\\glimmerjar.scr" "SCRNSAVE.EXE"
gj_expect_eq "$(value "$desktop" ScreenSaveActive)" "1" "ScreenSaveActive"

# The screen saver the system would start shows the lamp, lava and all.
gj_start_file "$(value "$desktop" SCRNSAVE.EXE | sed 's|^C:|'"$WINEPREFIX"'/drive_c|; s|\\|/|g')" saver /s
gj_wait_window WindowsScreenSaverClass Glimmerjar 20 >/dev/null
sleep 4
import -window root "$GJ_TMP/saver.png" || gj_fail "no screenshot of the display"
read -r lava glow black <<<"$(lamp_pixel_counts "$GJ_TMP/saver.png" 1024x768+0+0)"
echo "installed saver: lava $lava, glowing liquid $glow, black $black pixels"
[ "$lava" -gt 300 ] && [ "$glow" -gt 2000 ] && [ "$black" -gt 300000 ] ||
    gj_fail "the installed saver does not show the lamp ($lava, $glow, $black)"

# --- installing again while the saver runs: the saver is asked to end (saving the lava)
# before its files are replaced; the same version over itself keeps a changed setting ---
wine reg delete "$settings" /v noBlobsSaved /f >/dev/null 2>&1
install
gj_expect_eq "$(gj_wait_exit "$saver" 15)" 0 "the saver's exit code, ended by the installer"
[ "$(( $(value "$settings" noBlobsSaved) ))" -gt 0 ] || gj_fail "the saver ended by the installer saved no lava"
built_saver || gj_fail "the screen saver was not replaced"
wine reg add "$settings" /v numParticles /t REG_DWORD /d 321 /f >/dev/null 2>&1
install
gj_expect_eq "$(value "$settings" numParticles)" "0x141" "numParticles after installing again"
[ -f "$folder/glimmerjar.scr" ] || gj_fail "installing again lost the screen saver"

# --- a silent uninstall while the saver runs, chosen by its 8.3 short name: the saver is
# ended, nothing of the install is left, the screen saver is given up; the settings stay ---
gj_start_file "$folder/glimmerjar.scr" saver /s
gj_wait_window WindowsScreenSaverClass Glimmerjar 20 >/dev/null
short=$(gj_helper shortname "$win_folder\glimmerjar.scr")
[ -n "$short" ] && [ "$short" != "$win_folder\glimmerjar.scr" ] || gj_fail "no short name of the screen saver ($short)"
wine reg add "$desktop" /v SCRNSAVE.EXE /t REG_SZ /d "$short" /f >/dev/null 2>&1
uninstall "$win_folder" "$apps"
gj_expect_eq "$(gj_wait_exit "$saver" 15)" 0 "the saver's exit code, ended by the uninstaller"
[ -e "$folder" ] && gj_fail "the programs folder is left: $(ls "$folder")"
[ -e "$menu" ] && gj_fail "the Start menu entries are left"
[ -z "$(value "$desktop" SCRNSAVE.EXE)" ] || gj_fail "SCRNSAVE.EXE still names $(value "$desktop" SCRNSAVE.EXE)"
gj_expect_eq "$(value "$settings" numParticles)" "0x141" "numParticles after uninstalling"
gj_reg_query 'HKCU\Software\Microsoft\Windows\CurrentVersion\RunOnce' | grep -q Glimmerjar &&
    gj_fail "a removal was left for the next sign-in, though the saver had ended"

# --- another screen saver chosen: installing and uninstalling leave it; the settings go
# when asked ---
other='C:\windows\system32\other.scr'
wine reg add "$desktop" /v SCRNSAVE.EXE /t REG_SZ /d "$other" /f >/dev/null 2>&1
install
gj_expect_eq "$(value "$desktop" SCRNSAVE.EXE)" "$other" "SCRNSAVE.EXE after a silent install without /SCREENSAVER"
uninstall "$win_folder" "$apps" /REMOVESETTINGS
gj_expect_eq "$(value "$desktop" SCRNSAVE.EXE)" "$other" "SCRNSAVE.EXE after uninstalling"
key_exists "$settings" && gj_fail "the settings are left after /REMOVESETTINGS"

# --- for everyone (Wine's user is an administrator) ---
install /ALLUSERS /SCREENSAVER
programs="$WINEPREFIX/drive_c/Program Files/Glimmerjar"
[ -f "$programs/glimmerjar.exe" ] || gj_fail "no glimmerjar.exe in Program Files"
[ -f "$WINEPREFIX/drive_c/windows/system32/glimmerjar.scr" ] || gj_fail "no glimmerjar.scr in the system folder"
gj_expect_eq "$(value "$desktop" SCRNSAVE.EXE)" 'C:\windows\system32\glimmerjar.scr' "SCRNSAVE.EXE for everyone"
[ -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Glimmerjar/Glimmerjar.lnk" ] ||
    gj_fail "no Start menu entry for everyone"
key_exists "$apps" && gj_fail "an install for everyone made a per-user Apps entry"
uninstall 'C:\Program Files\Glimmerjar' "$everyone_apps"
[ -e "$programs" ] && gj_fail "Program Files\\Glimmerjar is left"
[ -e "$WINEPREFIX/drive_c/windows/system32/glimmerjar.scr" ] && gj_fail "the system folder's glimmerjar.scr is left"
[ -z "$(value "$desktop" SCRNSAVE.EXE)" ] || gj_fail "SCRNSAVE.EXE is left after uninstalling for everyone"

# --- the pages agree: an administrator (Wine's user) is told on the welcome page that
# the next page lets them choose, not that it installs for them alone ---
wine "$setup" >/dev/null 2>&1 &
setup_pid=$!
wizard=$(gj_field "$(gj_wait_window '#32770' 'Glimmerjar Setup' 60)" hwnd)
welcome=""
for _ in $(seq 1 40); do
    for child in $(gj_helper children "$wizard" | sed -n 's/^hwnd=\([0-9]*\) .* class=Static .*/\1/p'); do
        gj_helper text "$child" "$GJ_TMP/page.txt" >/dev/null
        grep -q 'This will install' "$GJ_TMP/page.txt" && welcome=$(cat "$GJ_TMP/page.txt")
    done
    [ -n "$welcome" ] && break
    sleep 0.25
done
kill "$setup_pid" 2>/dev/null
gj_wait_no_window '#32770' 'Glimmerjar Setup' 15
[ -n "$welcome" ] || gj_fail "no welcome page text"
[[ $welcome == *"for yourself alone or for everyone"* ]] || gj_fail "the welcome page does not offer the choice: $welcome"
[[ $welcome == *"installed for you alone"* ]] && gj_fail "the welcome page says it installs for you alone: $welcome"
echo "ok"
