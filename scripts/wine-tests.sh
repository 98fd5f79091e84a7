#!/usr/bin/env bash
# Runs the Windows tests of build/win64 under Wine inside a headless X server, with the project's own
# Wine prefix (build/wineprefix, created once), and stops the Wine server at the end.
set -uo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$top/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=/usr/lib/wine/wineserver

# A Wine server left from a run without this display would own the desktop: stop it first.
"$wineserver" -k >/dev/null 2>&1 || true

# Everything runs inside one X server: the prefix is created (no Mono or Gecko prompts: both are
# disabled) before the tests start in parallel, then CTest runs the tests.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$1/cmake/wine-run.sh" cmd /c exit >/dev/null 2>&1
    ctest --test-dir "$1/build/win64" --output-on-failure -j2
    rc=$?
    "$2" -w
    exit $rc
' _ "$top" "$wineserver"
