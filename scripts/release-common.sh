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
