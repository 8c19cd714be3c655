#!/usr/bin/env bash
# Makes the Wine prefix $WINEPREFIX (when missing) for a private X display that has no
# window manager: Wine then draws the window frames itself, as Windows does, and gets the
# font of the caption buttons (Marlett, from Debian's fonts-wine) into the prefix.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must be set}"
if [ ! -d "$WINEPREFIX/drive_c" ]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp -n /usr/share/wine/fonts/marlett.ttf "$fonts/" 2>/dev/null || true
wineserver -w
