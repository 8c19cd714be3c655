#!/usr/bin/env bash
# Keeps the calls pointing one way, as the includes do: no function the portable code calls
# may be defined by a platform shell (shell/x11/, shell/win32/). The portable code reaches
# its platform only through the table of operations the shell hands the lamp's life, so
# every symbol the core's objects leave undefined is found in the core itself, the seams'
# implementations or the system's libraries, never among the shell's own objects.
#   check-calls.sh CORE_LIBRARY SHELL_OBJECT_FOLDER [SEAMS_LIBRARY]
#   check-calls.sh --self-test    prove that a call from the core into a shell is caught
set -u

# Symbols the core (and the seams) use but do not define, against those the shell defines.
check() {
    local core=$1 shell=$2 seams=${3:-}
    local undefined defined
    undefined=$(nm -C --undefined-only "$core" ${seams:+"$seams"} 2>/dev/null | awk 'NF >= 2 { $1 = ""; sub(/^ /, ""); print }' |
        sed 's/^U //' | sort -u)
    defined=$(find "$shell" \( -name '*.o' -o -name '*.obj' \) -print0 | xargs -0 -r nm -C --defined-only 2>/dev/null |
        awk '$2 ~ /^[TWBDR]$/ { $1 = ""; $2 = ""; sub(/^  /, ""); print }' | sort -u)
    if [ -z "$defined" ]; then
        echo "no objects of the shell in $shell"
        return 2
    fi
    local calls
    calls=$(comm -12 <(echo "$undefined") <(echo "$defined"))
    if [ -n "$calls" ]; then
        echo "the portable code calls into the shell:"
        echo "$calls" | sed 's/^/  /'
        return 1
    fi
    return 0
}

if [ "${1:-}" = "--self-test" ]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    mkdir -p "$scratch/shell"
    printf 'void closeTheWindow();\nvoid lampTick() { closeTheWindow(); }\n' >"$scratch/core.cpp"
    printf 'void closeTheWindow() {}\nint main() { return 0; }\n' >"$scratch/shell/shell.cpp"
    printf 'struct Table { virtual void closeTheWindow() = 0; };\nvoid lampTick(Table& t) { t.closeTheWindow(); }\n' \
        >"$scratch/table.cpp"
    (cd "$scratch" && c++ -c core.cpp -o core.o && c++ -c table.cpp -o table.o && c++ -c shell/shell.cpp -o shell/shell.o) ||
        { echo "self-test: cannot compile"; exit 1; }
    ar rcs "$scratch/libcore.a" "$scratch/core.o"
    ar rcs "$scratch/libtable.a" "$scratch/table.o"
    if check "$scratch/libcore.a" "$scratch/shell" >/dev/null; then
        echo "self-test: not caught: a core function calling one the shell defines"
        exit 1
    fi
    if ! check "$scratch/libtable.a" "$scratch/shell" >/dev/null; then
        echo "self-test: a call through a table of operations was taken for a call into the shell"
        exit 1
    fi
    echo "a call into the shell was caught, a call through the table was not"
    exit 0
fi

[ $# -ge 2 ] || { echo "usage: check-calls.sh CORE_LIBRARY SHELL_OBJECT_FOLDER [SEAMS_LIBRARY]"; exit 2; }
if check "$@"; then echo "no call from the portable code into a shell"; else exit 1; fi
