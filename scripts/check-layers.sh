#!/usr/bin/env bash
# Keeps the layers pointing one way: every #include "folder/..." of a source file must name
# its own folder or one that the "Layers" list of docs/architecture.md allows for it.
# Win32 files of settings/ (the dialog code) belong to the shell layer, as the list says.
#   check-layers.sh [ROOT]        check the tree at ROOT (default: this checkout)
#   check-layers.sh --self-test   prove that an upward include is caught
set -u
here=$(cd "$(dirname "$0")" && pwd)

check() {
    local root=$1 status=0
    local rules
    # The list is the fenced block that follows the "## Layers" heading.
    rules=$(awk '/^## Layers/ { inside = 1; next } inside && /^```/ { if (block) exit; block = 1; next }
                 inside && block { print }' "$root/docs/architecture.md")
    if [ -z "$rules" ]; then
        echo "no Layers list in docs/architecture.md"
        return 2
    fi
    declare -A allowed
    while read -r layer arrow targets; do
        [ -n "$layer" ] || continue
        [ "$arrow" = "->" ] || { echo "malformed layer rule: $layer $arrow $targets"; return 2; }
        allowed[$layer]=" $layer $targets "
    done <<<"$rules"
    local folders="shell help lamp overlay lava settings scene platform resources"
    local file layer target
    while IFS= read -r file; do
        layer=${file%%/*}
        case "$file" in settings/*_win32.*) layer=settings-win32 ;; esac
        [ -n "${allowed[$layer]+x}" ] || { echo "no layer rule for $file"; status=1; continue; }
        while IFS= read -r target; do
            case " $folders " in *" $target "*) ;; *) continue ;; esac
            if [[ "${allowed[$layer]}" != *" $target "* ]]; then
                echo "upward include: $file includes $target/ ($layer may include:${allowed[$layer]})"
                status=1
            fi
        done < <(sed -n 's@^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\)/.*@\1@p' "$root/$file")
    done < <(cd "$root" && find shell help lamp overlay lava settings scene platform \
                 \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort)
    return $status
}

if [ "${1:-}" = "--self-test" ]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    (cd "$here/.." && cp -r docs shell lamp lava scene settings platform "$scratch"/)
    check "$scratch" >/dev/null || { echo "self-test: the tree itself fails"; exit 1; }
    failures=0
    for broken in "lava/lava_engine.cpp:lamp/lamp_scene.h" "scene/group.cpp:lava/blob.h" \
                  "platform/win32/thread_timer_win32.cpp:shell/frame_timer.h" \
                  "lava/lava_engine.cpp:settings/setting_values.h" "settings/registry_values.cpp:lava/blob.h" \
                  "lamp/frame_pipeline.cpp:shell/shell_state.h"; do
        file=${broken%%:*}
        cp "$scratch/$file" "$scratch/$file.keep"
        echo "#include \"${broken#*:}\"" >>"$scratch/$file"
        if check "$scratch" >/dev/null; then
            echo "self-test: not caught: $file including ${broken#*:}"
            failures=1
        fi
        mv "$scratch/$file.keep" "$scratch/$file"
    done
    [ $failures -eq 0 ] && echo "every upward include was caught"
    exit $failures
fi

root=${1:-$here/..}
if check "$root"; then echo "layers point one way"; else exit 1; fi
