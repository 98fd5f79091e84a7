#!/usr/bin/env bash
# Runs the Windows tests of build/win64 under Wine inside a headless X server, with the project's own
# Wine prefix (build/wineprefix, created once), and stops the Wine server at the end. The tests must leave
# the prefix's data folder and the product's registry key exactly as they found them: both are compared
# before and after the run.
set -uo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$top/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=/usr/lib/wine/wineserver

# A Wine server left from a run without this display would own the desktop: stop it first.
"$wineserver" -k >/dev/null 2>&1 || true

# Everything runs inside one X server: the prefix is created (no Mono or Gecko prompts: both are
# disabled) before the tests start in parallel, then CTest runs the tests, each test a process of its own.
# They all join one Wine session that a keeper process holds for the whole run: without it every test
# would start the Wine server and the system processes anew, and a server started by a test would hold
# that test's output pipe open, so CTest would wait for it. The keeper waits for the end of its input
# (descriptor 3 here), which comes when the tests are done.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$1/cmake/wine-run.sh" cmd /c exit >/dev/null 2>&1
    "$2" -w
    "$1/scripts/system-snapshot.sh" >"$1/build/system-before.txt"
    retries="$1/build/wine-start-retries.log"
    rm -f "$retries"
    ready="$1/build/wine-session-ready"
    rm -f "$ready"
    exec 3> >(exec "$1/cmake/wine-run.sh" cmd /c "echo ready& pause" >"$ready" 2>/dev/null)
    keeper=$!
    for _ in $(seq 600); do
        grep -q ready "$ready" 2>/dev/null && break
        sleep 0.1
    done
    ctest --test-dir "$1/build/win64" --output-on-failure -j2 3>&-
    rc=$?
    exec 3>&-
    for _ in $(seq 100); do
        kill -0 "$keeper" 2>/dev/null || break
        sleep 0.1
    done
    kill "$keeper" 2>/dev/null
    rm -f "$ready"
    "$2" -w
    "$1/scripts/system-snapshot.sh" >"$1/build/system-after.txt"
    if [[ -s "$retries" ]]; then
        echo "Wine did not start these test programs at the first attempt (started again):"
        cat "$retries"
    fi
    if ! diff -u "$1/build/system-before.txt" "$1/build/system-after.txt"; then
        echo "The tests changed the data folder or the registry key of the Wine prefix (above)." >&2
        rc=1
    fi
    exit $rc
' _ "$top" "$wineserver"
