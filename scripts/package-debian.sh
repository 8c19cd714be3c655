#!/usr/bin/env bash
# Makes the Debian package from a Linux build tree:
#   OUT/glimmerjar_VERSION_ARCH.deb
# holding the XScreenSaver hack (/usr/libexec/xscreensaver/glimmerjar, stripped), the
# desktop toy (/usr/bin/glimmerjar, the same program) with its .desktop file and icons,
# XScreenSaver's settings page (/usr/share/xscreensaver/config/glimmerjar.xml), the
# manual page, the copyright file and the changelog (made from CHANGES.md). Depends comes
# from dpkg-shlibdeps. The version is the build's own; every date is SOURCE_DATE_EPOCH
# (else the commit's time), so that one commit gives the same bytes wherever it is built.
#   package-debian.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$(cd "${1:?the Linux build folder}" && pwd)
mkdir -p "${2:?the folder for the package}"
out=$(cd "$2" && pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)
. "$source_dir/scripts/release-common.sh"
release_require package-debian.sh "$build" linux glimmerjar glimmerjar.xml glimmerjar.6
version=$(release_version "$build")
epoch=$(release_epoch "$source_dir")
arch=$(dpkg --print-architecture)
export SOURCE_DATE_EPOCH=$epoch
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
umask 022

install -d "$root/usr/libexec/xscreensaver" "$root/usr/bin" "$root/usr/share/xscreensaver/config" \
    "$root/usr/share/applications" "$root/usr/share/man/man6" "$root/usr/share/doc/glimmerjar" \
    "$root/usr/share/icons/hicolor" "$root/DEBIAN"
# Stripped as Debian strips programs: no symbols, no compiler notes.
strip --remove-section=.comment --remove-section=.note --strip-unneeded \
    -o "$root/usr/libexec/xscreensaver/glimmerjar" "$build/glimmerjar"
chmod 0755 "$root/usr/libexec/xscreensaver/glimmerjar"
ln -s ../libexec/xscreensaver/glimmerjar "$root/usr/bin/glimmerjar"
install -m 0644 "$build/glimmerjar.xml" "$root/usr/share/xscreensaver/config/glimmerjar.xml"
install -m 0644 "$source_dir/packaging/debian/glimmerjar.desktop" "$root/usr/share/applications/glimmerjar.desktop"
gzip -9n <"$build/glimmerjar.6" >"$root/usr/share/man/man6/glimmerjar.6.gz"
install -m 0644 "$source_dir/packaging/debian/copyright" "$root/usr/share/doc/glimmerjar/copyright"
bash "$source_dir/scripts/make-icons.sh" --hicolor "$root/usr/share/icons/hicolor" >/dev/null

# The changelog, in Debian's form, from CHANGES.md: a "## VERSION (YYYY-MM-DD)" heading and
# its "- " items make one entry. The newest must be this build's version.
newest=$(sed -n 's/^## \([^ ]*\) (.*)$/\1/p' "$source_dir/CHANGES.md" | head -1)
[ "$newest" = "$version" ] ||
    { echo "package-debian.sh: CHANGES.md's newest section is $newest, the build is $version" >&2; exit 1; }
awk '
    function flush() { if (item != "") { print item; item = "" } }
    function close_entry() { flush(); if (date != "") printf "ENDENTRY %s\n", date }
    /^## / { close_entry(); v = $2; date = $3; gsub(/[()]/, "", date); printf "ENTRY %s\n", v; next }
    date == "" { next }
    /^- / { flush(); item = substr($0, 3); next }
    /^  / && item != "" { sub(/^ +/, ""); item = item " " $0; next }
    { flush() }
    END { close_entry() }' "$source_dir/CHANGES.md" |
while IFS= read -r line; do
    case "$line" in
        "ENTRY "*) printf 'glimmerjar (%s) unstable; urgency=medium\n\n' "${line#ENTRY }" ;;
        "ENDENTRY "*)
            printf '\n -- Tessvane <hello@glimmerjar.app>  %s\n\n' \
                "$(LC_ALL=C date -u -d "${line#ENDENTRY } 12:00" '+%a, %d %b %Y %H:%M:%S +0000')" ;;
        *) printf '%s\n' "$line" | sed 's/\*//g; s/`//g' | fold -s -w 74 | sed '1s/^/  * /; 1!s/^/    /; s/ *$//' ;;
    esac
done | sed '$d' | gzip -9n >"$root/usr/share/doc/glimmerjar/changelog.gz"

# Depends, as dpkg-shlibdeps finds it for the program's libraries; it reads the package's
# name from a control file in ./debian.
mkdir -p "$work/shlibs/debian"
printf 'Source: glimmerjar\n\nPackage: glimmerjar\nArchitecture: any\n' >"$work/shlibs/debian/control"
depends=$(cd "$work/shlibs" && dpkg-shlibdeps -O "$root/usr/libexec/xscreensaver/glimmerjar" 2>/dev/null |
    sed -n 's/^shlibs:Depends=//p')
[ -n "$depends" ] || { echo "package-debian.sh: dpkg-shlibdeps found no libraries" >&2; exit 1; }

size=$(du -sk --apparent-size "$root/usr" | cut -f1)
sed -e "s/@VERSION@/$version/" -e "s/@ARCH@/$arch/" -e "s/@SIZE@/$size/" -e "s/@DEPENDS@/$depends/" \
    "$source_dir/packaging/debian/control.in" >"$root/DEBIAN/control"
(cd "$root" && find usr -type f | LC_ALL=C sort | xargs md5sum >DEBIAN/md5sums)
chmod 0644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
find "$root" -depth -exec touch --no-dereference -d "@$epoch" {} +

deb="$out/glimmerjar_${version}_$arch.deb"
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null
echo "$deb"
