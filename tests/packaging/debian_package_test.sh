#!/usr/bin/env bash
# The Debian package, made from this build by the release's own script: lintian finds no
# errors; it holds exactly the files listed below, under the build's version; and, unpacked
# into a folder, Debian's real XScreenSaver daemon (run as an unprivileged user, as it
# insists) blanks the display with the packaged hack, which draws the lamp and, when the
# daemon ends it, saves the lava in its settings file.
. "$(dirname "$0")/../x11/harness.sh"
gx_setup
version=${GJ_VERSION:?GJ_VERSION names the version of the build}
for tool in dpkg-deb lintian xscreensaver xscreensaver-command setpriv; do
    command -v "$tool" >/dev/null 2>&1 || gj_fail "$tool is not installed (run scripts/setup.sh)"
done

bash "$(dirname "$0")/../../scripts/package-debian.sh" "$GX_BIN" "$GX_TMP/dist" >/dev/null ||
    gj_fail "the release script made no package"
deb="$GX_TMP/dist/glimmerjar_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || gj_fail "no $(basename "$deb")"

# --- lintian: every tag shown, none an error ---
lintian --display-info "$deb" >"$GX_TMP/lintian.txt" 2>/dev/null
cat "$GX_TMP/lintian.txt"
grep -q '^E:' "$GX_TMP/lintian.txt" && gj_fail "lintian reports errors"

# --- what it holds ---
dpkg-deb -c "$deb" | awk '{ print $1, $6 $7 $8 }' | LC_ALL=C sort -k2 >"$GX_TMP/contents.txt"
expected="lrwxrwxrwx ./usr/bin/glimmerjar->../libexec/xscreensaver/glimmerjar
-rwxr-xr-x ./usr/libexec/xscreensaver/glimmerjar
-rw-r--r-- ./usr/share/applications/glimmerjar.desktop
-rw-r--r-- ./usr/share/doc/glimmerjar/changelog.gz
-rw-r--r-- ./usr/share/doc/glimmerjar/copyright
-rw-r--r-- ./usr/share/icons/hicolor/128x128/apps/glimmerjar.png
-rw-r--r-- ./usr/share/icons/hicolor/16x16/apps/glimmerjar.png
-rw-r--r-- ./usr/share/icons/hicolor/24x24/apps/glimmerjar.png
-rw-r--r-- ./usr/share/icons/hicolor/256x256/apps/glimmerjar.png
-rw-r--r-- ./usr/share/icons/hicolor/32x32/apps/glimmerjar.png
-rw-r--r-- ./usr/share/icons/hicolor/48x48/apps/glimmerjar.png
-rw-r--r-- ./usr/share/icons/hicolor/64x64/apps/glimmerjar.png
-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/glimmerjar.svg
-rw-r--r-- ./usr/share/man/man6/glimmerjar.6.gz
-rw-r--r-- ./usr/share/xscreensaver/config/glimmerjar.xml"
gj_expect_eq "$(grep -v '^d' "$GX_TMP/contents.txt")" "$expected" "the package's files"
gj_expect_eq "$(dpkg-deb -f "$deb" Version)" "$version" "the package's version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libgl1 libx11-6 libxinerama1 libstdc++6; do
    [[ $depends == *"$library"* ]] || gj_fail "Depends lacks $library: $depends"
done

root="$GX_TMP/root"
dpkg-deb -x "$deb" "$root"
hack="$root/usr/libexec/xscreensaver/glimmerjar"
gj_expect_eq "$("$root/usr/bin/glimmerjar" --version)" "glimmerjar $version" "the packaged program's --version"
zcat "$root/usr/share/man/man6/glimmerjar.6.gz" | grep -q "^\.TH GLIMMERJAR 6 .*\"Glimmerjar $version\"" ||
    gj_fail "the manual page does not carry version $version"
file "$hack" | grep -q 'stripped' && ! file "$hack" | grep -q 'not stripped' || gj_fail "the hack is not stripped"
for size in 16 48 256; do
    gj_expect_eq "$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x$size/apps/glimmerjar.png")" \
        "${size}x$size" "the ${size}-pixel icon's size"
done

# --- Debian's XScreenSaver daemon runs the packaged hack ---
# As nobody, with a home of its own: the daemon refuses to run as root.
chmod 755 "$GX_TMP"
home="$GX_TMP/saver-home"
mkdir -p "$home"
cat >"$home/.xscreensaver" <<EOF
mode: one
selected: 0
timeout: 1:00:00
lock: False
fade: False
unfade: False
splash: False
dpmsEnabled: False
programs: GL: $hack --root \\n
EOF
chown -R nobody:nogroup "$home"
as_nobody() {
    setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin "$@"
}
as_nobody xscreensaver --no-splash --verbose >"$GX_TMP/daemon.log" 2>&1 &
daemon=$!
GX_PIDS+=("$daemon")
for _ in $(seq 1 50); do
    as_nobody xscreensaver-command -version >/dev/null 2>&1 && break
    kill -0 "$daemon" 2>/dev/null || gj_fail "the daemon ended: $(tail -5 "$GX_TMP/daemon.log")"
    sleep 0.2
done
as_nobody xscreensaver-command -activate >/dev/null 2>&1 || gj_fail "xscreensaver-command -activate failed"
for _ in $(seq 1 100); do
    pgrep -u nobody -f "^$hack --root" >/dev/null && break
    sleep 0.1
done
pgrep -u nobody -f "^$hack --root" >/dev/null || gj_fail "the daemon did not start the hack: $(tail -5 "$GX_TMP/daemon.log")"
sleep 5
import -window root "$GX_TMP/saver.png" || gj_fail "no screenshot of the display"
read -r lava glow black <<<"$(lamp_pixel_counts "$GX_TMP/saver.png" 1024x768+0+0)"
echo "the daemon's screen: lava $lava, glowing liquid $glow, black $black pixels"
[ "$lava" -gt 300 ] && [ "$glow" -gt 2000 ] && [ "$black" -gt 300000 ] ||
    gj_fail "the blanked screen does not show the lamp ($lava, $glow, $black)"

as_nobody xscreensaver-command -deactivate >/dev/null 2>&1 || gj_fail "xscreensaver-command -deactivate failed"
for _ in $(seq 1 100); do
    pgrep -u nobody -f "^$hack --root" >/dev/null || break
    sleep 0.1
done
pgrep -u nobody -f "^$hack --root" >/dev/null && gj_fail "the hack runs on after -deactivate"
settings="$home/.config/glimmerjar/settings"
[ -f "$settings" ] || gj_fail "the hack saved no settings file"
saved=$(sed -n 's/^noBlobsSaved = //p' "$settings")
[ "${saved:-0}" -gt 0 ] || gj_fail "the lava was not saved (noBlobsSaved ${saved:-missing})"
gj_expect_eq "$(grep -c '^blob[0-9]* = ' "$settings")" "$saved" "blob records in the settings file"
echo "the hack saved $saved blobs"
echo "ok"
