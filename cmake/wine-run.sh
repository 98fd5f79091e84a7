#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix (build/wineprefix).
# CTest uses it as the cross-compiling emulator; the prefix is created on first use.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$(dirname "$here")/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64
wine=${WINE:-/usr/lib/wine/wine64}
if [[ ! -f "$WINEPREFIX/.corvalith-ready" ]]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [[ ! -f "$WINEPREFIX/.corvalith-ready" ]]; then
            "$wine" wineboot -i >/dev/null 2>&1 || true
            "${WINESERVER:-/usr/lib/wine/wineserver}" -w || true
            touch "$WINEPREFIX/.corvalith-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
# Display settings of the prefix: windows are not handed to an X window manager (Xvfb has none), so
# hiding or destroying a window does not wait for one to answer; and the windows' "Arial" is drawn with
# its metric twin Liberation Sans.
if [[ ! -f "$WINEPREFIX/.corvalith-display" ]]; then
    (
        flock 9
        if [[ ! -f "$WINEPREFIX/.corvalith-display" ]]; then
            "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
            "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null 2>&1 || true
            "${WINESERVER:-/usr/lib/wine/wineserver}" -w || true
            touch "$WINEPREFIX/.corvalith-display"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
