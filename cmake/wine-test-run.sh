#!/usr/bin/env bash
# Runs one test program under Wine (cmake/wine-run.sh) for CTest, and starts it once more when Wine did not
# start it: the run ended at once with a failing status and printed nothing, not even the test runner's
# first line. Wine has done so, rarely, in full runs of the suite (0.03 s, no output); the test itself
# never ran. Each such second start is written to build/wine-start-retries.log, which
# scripts/wine-tests.sh prints at the end of the run, so that none goes unseen.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
log="$(dirname "$here")/build/wine-start-retries.log"
# scripts/wine-tests.sh runs the tests in several Wine sessions at once and CTest names the one this test
# holds (the resource `wine_session`): its display and prefix are used. Run without it (a plain `ctest`
# under xvfb-run), the tests share one display and take it one at a time.
session=${CTEST_RESOURCE_GROUP_0_WINE_SESSION:-}
if [[ -n "$session" ]]; then
    session=${session#id:}
    source "$(dirname "$here")/build/wine-sessions/${session%%,*}.env"
else
    exec 9>"$(dirname "$here")/build/wine-display.lock"
    flock 9
fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT
for attempt in 1 2; do
    started=$(date +%s%N)
    "$here/wine-run.sh" "$@" >"$out" 2>&1 9>&-
    rc=$?
    elapsed_ms=$((($(date +%s%N) - started) / 1000000))
    if ((rc == 0)) || [[ -s "$out" ]] || ((elapsed_ms > 5000)) || ((attempt == 2)); then
        break
    fi
    echo "$(date -u +%FT%TZ) $(basename "$1") ${*:2}: ended with status $rc after $elapsed_ms ms," \
        "printing nothing; started again" >>"$log"
done
cat "$out"
exit "$rc"
