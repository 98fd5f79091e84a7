#!/usr/bin/env bash
# Runs the Windows tests of build/win64 under Wine inside a headless X server, with the project's own
# Wine prefix (build/wineprefix, created once), and stops the Wine server at the end.
set -uo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$top/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Create the prefix before the tests run in parallel (no Mono or Gecko prompts: both are disabled).
"$top/cmake/wine-run.sh" cmd /c exit >/dev/null 2>&1 || true
# That Wine session has no display; it must be gone before the tests start one inside the X server, or
# their windows would join its display-less desktop and could not be created.
/usr/lib/wine/wineserver -w || true

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    ctest --test-dir "$1/build/win64" --output-on-failure -j2
    rc=$?
    /usr/lib/wine/wineserver -w
    exit $rc
' _ "$top"
