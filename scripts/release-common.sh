# Shared by the packaging scripts (sourced, not run).

# release_version BUILD_DIR: the version the build was made with (its generated version.h).
release_version() {
    sed -n 's/^#define GLIMMERJAR_VERSION "\(.*\)"$/\1/p' "$1/generated/version.h"
}

# release_epoch SOURCE_DIR: SOURCE_DATE_EPOCH, else the time of the commit checked out.
release_epoch() {
    if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
        echo "$SOURCE_DATE_EPOCH"
    else
        git -C "$1" log -1 --format=%ct
    fi
}

# release_require SCRIPT BUILD_DIR PRESET FILE...: stops SCRIPT with a message unless the
# build folder holds every FILE.
release_require() {
    local script=$1 build=$2 preset=$3 file
    shift 3
    for file in "$@"; do
        [ -f "$build/$file" ] || { echo "$script: no $build/$file (build the $preset preset first)" >&2; exit 1; }
    done
}

# release_copy_tree SOURCE_DIR DEST: the tree's files as a clean checkout has them (those
# committed and those not yet, but none a build made or .gitignore names), copied to DEST.
release_copy_tree() {
    mkdir -p "$2"
    git -C "$1" ls-files -z --cached --others --exclude-standard |
        (cd "$1" && while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done) |
        (cd "$1" && tar --null -T - -cf -) | tar -xf - -C "$2"
}
