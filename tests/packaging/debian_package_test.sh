#!/usr/bin/env bash
# The Debian packages as Debian builds them: dpkg-buildpackage in a clean copy of the tree
# gives the package and its -dbgsym, and a source package; lintian finds no error or warning
# in either .changes; the package holds exactly the files listed below, under the build's
# version; its AppStream metadata and desktop file pass their validators. Unpacked into a
# folder, Debian's real XScreenSaver daemon (run as an unprivileged user, as it insists)
# blanks the display with the packaged hack, which draws the lamp and, when the daemon ends
# it, saves the lava in its settings file; Debian's settings tool shows its page.
. "$(dirname "$0")/../x11/harness.sh"
gx_setup
version=${GJ_VERSION:?GJ_VERSION names the version of the build}
for tool in dpkg-buildpackage dh lintian appstreamcli desktop-file-validate xscreensaver xscreensaver-command setpriv; do
    command -v "$tool" >/dev/null 2>&1 || gj_fail "$tool is not installed (run scripts/setup.sh)"
done
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
. "$source_dir/scripts/release-common.sh"

# --- built as a Debian developer builds it ---
packages="$GX_TMP/debian"
release_copy_tree "$source_dir" "$packages/glimmerjar"
(cd "$packages/glimmerjar" && dpkg-buildpackage -us -uc -b >"$GX_TMP/build.log" 2>&1) ||
    { tail -20 "$GX_TMP/build.log"; gj_fail "dpkg-buildpackage -b failed"; }
(cd "$packages/glimmerjar" && dpkg-buildpackage -us -uc -S >"$GX_TMP/source.log" 2>&1) ||
    { tail -20 "$GX_TMP/source.log"; gj_fail "dpkg-buildpackage -S failed"; }
arch=$(dpkg --print-architecture)
deb="$packages/glimmerjar_${version}_$arch.deb"
for file in "$deb" "$packages/glimmerjar-dbgsym_${version}_$arch.deb" "$packages/glimmerjar_${version}_$arch.changes" \
            "$packages/glimmerjar_$version.dsc" "$packages/glimmerjar_${version}_source.changes"; do
    [ -f "$file" ] || gj_fail "no $(basename "$file")"
done

# --- lintian: every tag shown; an error or a warning fails ---
for changes in "$packages/glimmerjar_${version}_$arch.changes" "$packages/glimmerjar_${version}_source.changes"; do
    lintian --display-info --pedantic "$changes" >"$GX_TMP/lintian.txt" 2>/dev/null
    cat "$GX_TMP/lintian.txt"
    grep -q '^[EW]:' "$GX_TMP/lintian.txt" && gj_fail "lintian reports errors or warnings for $(basename "$changes")"
done

# --- what it holds ---
dpkg-deb -c "$deb" | awk '{ print $1, $6 $7 $8 }' | LC_ALL=C sort -k2 >"$GX_TMP/contents.txt"
expected="lrwxrwxrwx ./usr/bin/glimmerjar->../libexec/xscreensaver/glimmerjar
-rwxr-xr-x ./usr/libexec/xscreensaver/glimmerjar
-rw-r--r-- ./usr/share/applications/app.glimmerjar.glimmerjar.desktop
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
-rw-r--r-- ./usr/share/metainfo/app.glimmerjar.glimmerjar.metainfo.xml
-rw-r--r-- ./usr/share/xscreensaver/config/glimmerjar.xml"
gj_expect_eq "$(grep -v '^d' "$GX_TMP/contents.txt")" "$expected" "the package's files"
gj_expect_eq "$(dpkg-deb -f "$deb" Version)" "$version" "the package's version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libgl1 libx11-6 libxinerama1 libstdc++6; do
    [[ $depends == *"$library"* ]] || gj_fail "Depends lacks $library: $depends"
done
dpkg-deb -c "$packages/glimmerjar-dbgsym_${version}_$arch.deb" | grep -q '/usr/lib/debug/.build-id/.*\.debug$' ||
    gj_fail "the -dbgsym package holds no debug symbols"

root="$GX_TMP/root"
dpkg-deb -x "$deb" "$root"
hack="$root/usr/libexec/xscreensaver/glimmerjar"
gj_expect_eq "$("$root/usr/bin/glimmerjar" --version)" "glimmerjar $version" "the packaged program's --version"
zcat "$root/usr/share/man/man6/glimmerjar.6.gz" | grep -q "^\.TH GLIMMERJAR 6 .*\"Glimmerjar $version\"" ||
    gj_fail "the manual page does not carry version $version"
file "$hack" | grep -q 'stripped' && ! file "$hack" | grep -q 'not stripped' || gj_fail "the hack is not stripped"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/app.glimmerjar.glimmerjar.metainfo.xml" ||
    gj_fail "appstreamcli finds fault with the metadata"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/app.glimmerjar.glimmerjar.metainfo.xml" ||
    gj_fail "the metadata lacks this release"
desktop-file-validate "$root/usr/share/applications/app.glimmerjar.glimmerjar.desktop" ||
    gj_fail "desktop-file-validate finds fault with the desktop file"
bash "$source_dir/scripts/changes.sh" --check || gj_fail "debian/changelog is not what CHANGES.md says"
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

# --- Debian's settings tool on the packaged page ---
# The tool reads the hacks' pages from /usr/share/xscreensaver/config; in a mount namespace
# of its own that folder also holds the package's glimmerjar.xml.
pages="$GX_TMP/pages"
mkdir -p "$pages"
cp /usr/share/xscreensaver/config/*.xml "$pages"/ 2>/dev/null
cp "$root/usr/share/xscreensaver/config/glimmerjar.xml" "$pages"/
chmod -R a+rX "$pages"
sed -i "s|^programs: .*|programs: GL: \"Glimmerjar\" $hack --root \\\\n|" "$home/.xscreensaver"
chown nobody:nogroup "$home/.xscreensaver"
unshare --mount sh -c "mount --bind '$pages' /usr/share/xscreensaver/config &&
    exec setpriv --reuid=nobody --regid=nogroup --clear-groups env -i HOME='$home' DISPLAY='$DISPLAY' \
        PATH=/usr/bin:/bin xscreensaver-settings" >"$GX_TMP/settings-tool.log" 2>&1 &
GX_PIDS+=("$!")
# tool_windows: the tool's main window and hack pages ("XScreenSaver: NAME Settings"; not
# its preview), "id x y w h" a line, oldest first.
tool_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name '^XScreenSaver.* Settings$' 2>/dev/null | sort -n); do
        echo "$id $(gx_geometry "$id")"
    done
}
for _ in $(seq 1 100); do [ -n "$(tool_windows)" ] && break; sleep 0.1; done
read -r main mx my mw mh <<<"$(tool_windows | head -1)"
[ -n "$main" ] || gj_fail "the settings tool opened no window: $(tail -3 "$GX_TMP/settings-tool.log")"
sleep 1
# Its Settings... button, under the right half of the hack's preview.
xdotool mousemove $((mx + mw * 794 / 1000)) $((my + mh * 823 / 1000)) click 1
page=""
for _ in $(seq 1 50); do
    page=$(tool_windows | awk -v main="$main" '$1 != main' | tail -1)
    [ -n "$page" ] && break
    sleep 0.1
done
[ -n "$page" ] || { import -window root "$GX_TMP/tool.png"; gj_fail "no settings page opened"; }
read -r page px py pw ph <<<"$page"
gj_expect_eq "$(xdotool getwindowname "$page")" "XScreenSaver: Glimmerjar Settings" "the page's title"
echo "Glimmerjar's page in the settings tool: ${pw}x$ph"
[ "$pw" -le 1024 ] && [ "$ph" -le 768 ] || gj_fail "the page (${pw}x$ph) does not fit a 1024x768 screen"
# Without a window manager the page opens where the tool puts it, maybe off the screen.
xdotool windowmove "$page" 0 0 windowraise "$page"
sleep 0.5
import -window root -crop "${pw}x$ph+0+0" +repage "$GX_TMP/page.png" || gj_fail "no screenshot of the page"
# The lava's colour is the first slider of the page, its trough light grey right of its
# knob at 0; its saturation, below it at 1, is blue from the trough's left end to the middle
# of its knob. Prints the row, the left and right ends and half the knob's width.
read -r row left right half <<<"$(python3 - "$GX_TMP/page.png" <<'PY'
import subprocess, sys
from itertools import groupby
shot = sys.argv[1]
w, h = map(int, subprocess.run(["identify", "-format", "%w %h", shot], capture_output=True, text=True).stdout.split())
raw = subprocess.run(["convert", shot, "-depth", "8", "rgb:-"], capture_output=True).stdout
def runs(y):
    x = 0
    for colour, pixels in groupby(raw[3 * (y * w + i):3 * (y * w + i) + 3].hex() for i in range(w // 3)):
        n = len(list(pixels))
        yield colour, x, n
        x += n
try:
    y, grey, length = next((y, x, n) for y in range(h) for c, x, n in runs(y) if c == "e1dedb" and n >= 60)
    left, blue = next((x, n) for b in range(y + 10, h) for c, x, n in runs(b) if c.startswith("35") and n >= 60)
except StopIteration:
    sys.exit(0)
right = grey + length
print(y, left, right, right - (left + blue))
PY
)"
[ -n "$half" ] || gj_fail "no slider of the lava's colour on the page"
hue_x=$(( left + half + (right - left - 2 * half) * 6 / 10 ))
xdotool mousemove "$hue_x" "$row" click 1
sleep 0.5
xdotool mousemove $((pw - 58)) $((ph - 20)) click 1  # Save
line=""
for _ in $(seq 1 50); do
    line=$(grep -o -- '--lava-hue [0-9.]*' "$home/.xscreensaver")
    [ -n "$line" ] && break
    sleep 0.1
done
echo "the tool saved: $line"
hue=${line#--lava-hue }
awk -v h="$hue" 'BEGIN { exit !(h > 0.55 && h < 0.65) }' || gj_fail "the tool saved '$line', not a lava hue near 0.6"

# The daemon runs the hack as the tool set it: blue lava, nothing red.
as_nobody xscreensaver-command -activate >/dev/null 2>&1 || gj_fail "xscreensaver-command -activate failed"
for _ in $(seq 1 100); do
    pgrep -u nobody -f "^$hack --root --lava-hue" >/dev/null && break
    sleep 0.1
done
pgrep -u nobody -f "^$hack --root --lava-hue" >/dev/null || gj_fail "the daemon did not run the hack with the tool's hue"
sleep 5
import -window root "$GX_TMP/blue.png" || gj_fail "no screenshot of the display"
read -r red near <<<"$(lava_hue_counts "$GX_TMP/blue.png" 1024x768+0+0 "$(awk -v h="$hue" 'BEGIN { print int(h * 360) }')")"
echo "the daemon's screen with hue $hue: red pixels $red, of the chosen hue $near"
[ "$red" -le 10 ] || gj_fail "$red red pixels in the blue lamp"
[ "$near" -ge 1500 ] || gj_fail "only $near pixels of the chosen hue"
as_nobody xscreensaver-command -deactivate >/dev/null 2>&1
echo "ok"
