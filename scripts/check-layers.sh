#!/usr/bin/env bash
# Keeps the layers pointing one way: every #include "folder/..." of a source file must name
# its own folder or one that the "Layers" list of docs/architecture.md allows for it
# (shell/win32/ and shell/x11/ are the layers shell-win32 and shell-x11). And no two files
# include each other's headers: a header and the source of its name count as one unit, and
# two units whose files include each other's headers are a circle.
#   check-layers.sh [ROOT]        check the tree at ROOT (default: this checkout)
#   check-layers.sh --self-test   prove that an upward include and a circle are caught
set -u
here=$(cd "$(dirname "$0")" && pwd)
folders="shell help lamp overlay lava settings scene platform resources"

# Every include of a project header, as "file header" lines.
include_pairs() {
    (cd "$1" && find shell help lamp overlay lava settings scene platform \( -name '*.cpp' -o -name '*.h' \) \
        -print0 2>/dev/null | sort -z | xargs -0 grep -H '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' /dev/null |
        sed -n 's@^\([^:]*\):[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_0-9/]*\.h\)".*@\1 \2@p')
}

check() {
    local root=$1 rules
    # The list is the fenced block that follows the "## Layers" heading.
    rules=$(awk '/^## Layers/ { inside = 1; next } inside && /^```/ { if (block) exit; block = 1; next }
                 inside && block { print }' "$root/docs/architecture.md")
    if [ -z "$rules" ]; then
        echo "no Layers list in docs/architecture.md"
        return 2
    fi
    { echo "$rules"; echo "@@"; include_pairs "$root"; } | awk -v folders=" $folders " '
        function layer(path) {
            if (path ~ /^shell\/win32\//) return "shell-win32"
            if (path ~ /^shell\/x11\//) return "shell-x11"
            sub(/\/.*/, "", path)
            return path
        }
        function unit(path) { sub(/\.(h|cpp)$/, "", path); return path }
        !seen && $0 == "@@" { seen = 1; next }
        !seen {
            if ($1 == "") next
            if ($2 != "->") { print "malformed layer rule: " $0; bad = 1; next }
            allowed[$1] = " " $1 " "
            for (i = 3; i <= NF; ++i) allowed[$1] = allowed[$1] $i " "
            next
        }
        {
            file = $1; header = $2
            top = header; sub(/\/.*/, "", top)
            if (index(folders, " " top " ") == 0) next
            from = layer(file)
            if (!(from in allowed)) { if (!(file in norule)) print "no layer rule for " file; norule[file] = 1; bad = 1; next }
            to = layer(header)
            if (index(allowed[from], " " to " ") == 0) {
                print "upward include: " file " includes " header " (" from " may include:" allowed[from] ")"
                bad = 1
            }
            if (unit(file) != unit(header)) edge[unit(file) ">" unit(header)] = 1
        }
        END {
            for (e in edge) {
                split(e, ends, ">")
                if ((ends[2] ">" ends[1]) in edge && ends[1] < ends[2]) {
                    print "circle: " ends[1] " and " ends[2] " include each other'"'"'s headers"
                    bad = 1
                }
            }
            exit bad
        }'
}

if [ "${1:-}" = "--self-test" ]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    (cd "$here/.." && cp -r docs shell help lamp overlay lava scene settings platform "$scratch"/)
    check "$scratch" >/dev/null || { echo "self-test: the tree itself fails"; exit 1; }
    failures=0
    for broken in "lava/lava_engine.cpp:lamp/lamp_scene.h" "scene/group.cpp:lava/blob.h" \
                  "shell/frame_timer.cpp:shell/win32/monitors_win32.h" \
                  "shell/input_actions.cpp:shell/x11/shell_x11.h" \
                  "settings/config_dialog.cpp:shell/window_geometry.h" \
                  "lava/lava_engine.cpp:settings/setting_values.h" "settings/registry_values.cpp:lava/blob.h" \
                  "help/help_layout.cpp:shell/window_geometry.h" \
                  "lamp/frame_pipeline.cpp:shell/shell_state.h" "lamp/frame_buffer.cpp:lamp/capture.h" \
                  "scene/scene_text.cpp:scene/material.h"; do
        file=${broken%%:*}
        cp "$scratch/$file" "$scratch/$file.keep"
        echo "#include \"${broken#*:}\"" >>"$scratch/$file"
        if check "$scratch" >/dev/null; then
            echo "self-test: not caught: $file including ${broken#*:}"
            failures=1
        fi
        mv "$scratch/$file.keep" "$scratch/$file"
    done
    [ $failures -eq 0 ] && echo "every upward include and every circle was caught"
    exit $failures
fi

root=${1:-$here/..}
if check "$root"; then echo "layers point one way, no circles"; else exit 1; fi
