#!/usr/bin/env bash
# CHANGES.md in the forms the packages carry it: a "## VERSION (YYYY-MM-DD)" heading and its
# "- " items make one release.
#   changes.sh debian            the Debian changelog (debian/changelog holds it)
#   changes.sh appstream         the <releases> element of the AppStream metadata
#   changes.sh metainfo TEMPLATE VERSION OUT
#                                the AppStream metadata: the template with @VERSION@ and
#                                a line "@RELEASES@" filled in
#   changes.sh --check           fails when debian/changelog is not what CHANGES.md says
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
maintainer='Tessvane <hello@glimmerjar.app>'

# The releases as lines: "RELEASE version date", then "ITEM text" for each item, newest first.
releases() {
    awk '
        function flush() { if (item != "") { print "ITEM " item; item = "" } }
        /^## / { flush(); date = $3; gsub(/[()]/, "", date); print "RELEASE " $2 " " date; inside = 1; next }
        !inside { next }
        /^- / { flush(); item = substr($0, 3); next }
        /^  / && item != "" { sub(/^ +/, ""); item = item " " $0; next }
        { flush() }
        END { flush() }' "$root/CHANGES.md" | sed 's/\*\*//g; s/\*//g; s/`//g'
}

debian() {
    local first=1 version date text
    while IFS= read -r line; do
        case "$line" in
            "RELEASE "*)
                read -r _ version date <<<"$line"
                [ $first = 1 ] || printf '\n -- %s  %s\n\n' "$maintainer" "$stamp"
                first=0
                stamp=$(LC_ALL=C date -u -d "$date 12:00" '+%a, %d %b %Y %H:%M:%S +0000')
                printf 'glimmerjar (%s) unstable; urgency=medium\n\n' "$version"
                ;;
            "ITEM "*)
                text=${line#ITEM }
                printf '%s\n' "$text" | fold -s -w 74 | sed '1s/^/  * /; 1!s/^/    /; s/ *$//'
                ;;
        esac
    done < <(releases)
    printf '\n -- %s  %s\n' "$maintainer" "$stamp"
}

# Text for XML: the five characters XML reserves written as references.
xml() { sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g; s/"/\&quot;/g'"; s/'/\\&apos;/g"; }

appstream() {
    local open=0 version date
    echo "  <releases>"
    while IFS= read -r line; do
        case "$line" in
            "RELEASE "*)
                [ $open = 1 ] && printf '        </ul>\n      </description>\n    </release>\n'
                read -r _ version date <<<"$line"
                printf '    <release version="%s" date="%s">\n      <description>\n        <ul>\n' "$version" "$date"
                open=1
                ;;
            "ITEM "*) printf '          <li>%s</li>\n' "$(printf '%s' "${line#ITEM }" | xml)" ;;
        esac
    done < <(releases)
    [ $open = 1 ] && printf '        </ul>\n      </description>\n    </release>\n'
    echo "  </releases>"
}

case "${1:-}" in
    debian) debian ;;
    appstream) appstream ;;
    metainfo)
        releases_xml=$(appstream)
        awk -v releases="$releases_xml" -v version="${3:?the version}" '
            $0 == "@RELEASES@" { print releases; next }
            { gsub(/@VERSION@/, version); print }' "${2:?the template}" >"${4:?the output}"
        ;;
    --check)
        if ! diff -u "$root/debian/changelog" <(debian) >&2; then
            echo "debian/changelog is not what CHANGES.md says: bash scripts/changes.sh debian >debian/changelog" >&2
            exit 1
        fi
        ;;
    *) echo "usage: changes.sh debian | appstream | metainfo TEMPLATE VERSION OUT | --check" >&2; exit 2 ;;
esac
