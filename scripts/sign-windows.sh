#!/usr/bin/env bash
# Signs a Windows program file in place with Authenticode (osslsigncode), with the release's
# certificate: a PKCS#12 file and its password from the environment, never from the tree.
#   GLIMMERJAR_SIGN_PKCS12     the certificate and its key (a .p12 or .pfx file)
#   GLIMMERJAR_SIGN_PASSWORD   its password (may be empty)
#   GLIMMERJAR_SIGN_TIMESTAMP  a timestamp server's address (optional; without one the
#                              signature ends with the certificate)
#   sign-windows.sh FILE...
#   sign-windows.sh --configured     exit 0 when a certificate is given
set -euo pipefail
if [ "${1:-}" = --configured ]; then
    [ -n "${GLIMMERJAR_SIGN_PKCS12:-}" ]
    exit
fi
p12=${GLIMMERJAR_SIGN_PKCS12:?GLIMMERJAR_SIGN_PKCS12 names no certificate}
[ -r "$p12" ] || { echo "sign-windows.sh: cannot read the certificate $p12" >&2; exit 1; }
command -v osslsigncode >/dev/null || { echo "sign-windows.sh: osslsigncode is not installed (run scripts/setup.sh)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The password through a file of its own, so that no process list shows it.
umask 077
printf '%s' "${GLIMMERJAR_SIGN_PASSWORD:-}" >"$work/password"
for file in "$@"; do
    rm -f "$work/signed"
    timestamp=()
    [ -n "${GLIMMERJAR_SIGN_TIMESTAMP:-}" ] && timestamp=(-ts "$GLIMMERJAR_SIGN_TIMESTAMP")
    osslsigncode sign -pkcs12 "$p12" -readpass "$work/password" -h sha256 -n Glimmerjar \
        -i https://glimmerjar.app/ "${timestamp[@]}" -in "$file" -out "$work/signed" >"$work/log" 2>&1 ||
        { cat "$work/log" >&2; echo "sign-windows.sh: could not sign $file" >&2; exit 1; }
    # The signed file takes the place of the unsigned one, keeping its mode.
    cat "$work/signed" >"$file"
done
