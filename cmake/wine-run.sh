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
# The program's faces: "Arial" from Liberation Sans, "黑体" (SimHei) from WenQuanYi Micro Hei, an outline
# face that Wine draws whole at 12 to 14 pixels (WenQuanYi Zen Hei's embedded bitmaps lose strokes there).
if [[ ! -f "$WINEPREFIX/.corvalith-fonts-2" ]]; then
    (
        flock 9
        if [[ ! -f "$WINEPREFIX/.corvalith-fonts-2" ]]; then
            key='HKCU\Software\Wine\Fonts\Replacements'
            "$wine" reg add "$key" /v Arial /d "Liberation Sans" /f >/dev/null 2>&1 || true
            "$wine" reg add "$key" /v SimHei /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1 || true
            "$wine" reg add "$key" /v "黑体" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1 || true
            "${WINESERVER:-/usr/lib/wine/wineserver}" -w || true
            touch "$WINEPREFIX/.corvalith-fonts-2"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
# The test programs run with unmanaged windows: the headless X server has no window manager, and Wine
# would wait two seconds for it after hiding every window that had been active.
if [[ ! -f "$WINEPREFIX/.corvalith-tests-unmanaged" ]]; then
    (
        flock 9
        if [[ ! -f "$WINEPREFIX/.corvalith-tests-unmanaged" ]]; then
            for program in corvalith_win_tests.exe corvalith_core_tests.exe corvalith_gallery.exe; do
                "$wine" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" /v Managed /d N /f \
                    >/dev/null 2>&1 || true
            done
            touch "$WINEPREFIX/.corvalith-tests-unmanaged"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
