#!/usr/bin/env bash
# Keeps the seams honest: only files whose names say their platform (and platform/gl.h)
# may include Windows, X11 or OSMesa headers, and the seam headers include none at all.
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2
status=0
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](windows\.h|winuser\.h|wingdi\.h|commctrl\.h|shellapi\.h|richedit\.h|X11/|GL/glx\.h|GL/osmesa\.h|unistd\.h|sys/)'
while IFS= read -r file; do
    case "$file" in
        *_win32.cpp|*_win32.h|*/win32/*|*_posix.cpp|*/posix/*|*_x11.cpp|*_x11.h|*/x11/*|*_osmesa.cpp|*_osmesa.h|platform/gl.h) continue ;;
    esac
    if grep -En "$pattern" "$file" >/dev/null; then
        echo "platform header in portable file: $file"
        grep -En "$pattern" "$file"
        status=1
    fi
done < <(find shell lamp lava scene overlay settings help platform resources tools bench tests \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort)
if [ $status -eq 0 ]; then echo "seams hold"; fi
exit $status
