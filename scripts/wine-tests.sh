#!/usr/bin/env bash
# Runs the Windows tests of build/win64 under Wine in WINE_SESSIONS (6) Wine sessions side by side, each
# with a headless X server and a Wine prefix of its own, and stops them at the end. The tests mostly wait
# (for timers, for the program's own waits), so even on two cores six of them at once take about a sixth
# of the time of one after another. The first session uses the project's own prefix (build/wineprefix,
# created once); the others, build/wineprefix-<n>, are copies of it made on their first run. The tests
# must leave each prefix's data folder and the product's registry key exactly as they found them: both
# are compared before and after the run.
#
# CTest hands every test that needs a display one session (the resource `wine_session`, listed in
# build/wine-sessions/resources.json); cmake/wine-test-run.sh then runs it with that session's display
# and prefix (build/wine-sessions/<n>.env). A test holds its session alone: no two share a display, its
# pointer or its foreground window.
set -uo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=/usr/lib/wine/wineserver
sessions=${WINE_SESSIONS:-6}
state="$top/build/wine-sessions"
retries="$top/build/wine-start-retries.log"

prefix_of() {
    if (($1 == 0)); then
        echo "$top/build/wineprefix"
    else
        echo "$top/build/wineprefix-$1"
    fi
}

# Runs a command in session $1's display and prefix.
in_session() {
    local session=$1
    shift
    (
        source "$state/$session.env"
        "$@"
    )
}

xservers=()
keepers=()
keeper_inputs=()
stop_sessions() {
    local fd pid
    for fd in "${keeper_inputs[@]}"; do
        eval "exec $fd>&-"
    done
    keeper_inputs=()
    # Each keeper ends when its input ends; the Wine servers then stop once their programs are gone.
    for pid in "${keepers[@]}"; do
        for _ in $(seq 100); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$pid" 2>/dev/null
    done
    keepers=()
    for ((n = 0; n < sessions; n++)); do
        [[ -f "$state/$n.env" ]] && in_session "$n" "$wineserver" -w
    done
    for pid in "${xservers[@]}"; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    xservers=()
}
trap stop_sessions EXIT

rm -rf "$state"
mkdir -p "$state"
rm -f "$retries"

# A Wine server left from an earlier run would own its prefix's desktop in another display: stop it.
for ((n = 0; n < sessions; n++)); do
    WINEPREFIX=$(prefix_of "$n") "$wineserver" -k >/dev/null 2>&1 || true
done

# One X server per session; each writes the display number it found free.
for ((n = 0; n < sessions; n++)); do
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$state/$n.display" >/dev/null 2>&1 &
    xservers+=($!)
done
for ((n = 0; n < sessions; n++)); do
    for _ in $(seq 100); do
        [[ -s "$state/$n.display" ]] && break
        sleep 0.1
    done
    if [[ ! -s "$state/$n.display" ]]; then
        echo "The X server of Wine session $n did not start." >&2
        exit 1
    fi
    printf 'export DISPLAY=:%s\nexport WINEPREFIX=%q\n' "$(head -1 "$state/$n.display")" "$(prefix_of "$n")" \
        >"$state/$n.env"
done

# The first prefix is created (no Mono or Gecko prompts: both are disabled) and made ready, then copied
# for the sessions that have none yet; every prefix is then brought up to date by cmake/wine-run.sh.
in_session 0 "$top/cmake/wine-run.sh" cmd /c exit >/dev/null 2>&1
in_session 0 "$wineserver" -w
for ((n = 1; n < sessions; n++)); do
    prefix=$(prefix_of "$n")
    if [[ ! -f "$prefix/.corvalith-ready" ]]; then
        # Copied under another name first, so that a copy cut short is never taken for a ready prefix.
        rm -rf "$prefix" "$prefix.copying"
        cp -a "$(prefix_of 0)" "$prefix.copying" && mv "$prefix.copying" "$prefix"
    fi
done
updates=()
for ((n = 1; n < sessions; n++)); do
    in_session "$n" bash -c '"$1" cmd /c exit >/dev/null 2>&1; "$2" -w' _ "$top/cmake/wine-run.sh" "$wineserver" &
    updates+=($!)
done
for pid in "${updates[@]}"; do
    wait "$pid"
done

# Each session's tests join one Wine session that a keeper process holds for the whole run: without it
# every test would start the Wine server and the system processes anew, and a server started by a test
# would hold that test's output pipe open, so CTest would wait for it. A keeper waits for the end of its
# input, which comes when the tests are done.
for ((n = 0; n < sessions; n++)); do
    in_session "$n" "$top/scripts/system-snapshot.sh" >"$state/$n.before"
    rm -f "$state/$n.ready"
    exec {input}> >(
        for fd in "${keeper_inputs[@]}"; do
            eval "exec $fd>&-"
        done
        source "$state/$n.env"
        exec "$top/cmake/wine-run.sh" cmd /c "echo ready& pause" >"$state/$n.ready" 2>/dev/null
    )
    keepers+=($!)
    keeper_inputs+=("$input")
done
for ((n = 0; n < sessions; n++)); do
    for _ in $(seq 600); do
        grep -q ready "$state/$n.ready" 2>/dev/null && break
        sleep 0.1
    done
done

{
    printf '{"version": {"major": 1, "minor": 0}, "local": [{"wine_session": ['
    for ((n = 0; n < sessions; n++)); do
        printf '%s{"id": "%d", "slots": 1}' "$([[ $n -gt 0 ]] && echo ', ')" "$n"
    done
    printf ']}]}\n'
} >"$state/resources.json"

# The tests without a display of their own (the core tests, the import check) run in the first session.
(
    for fd in "${keeper_inputs[@]}"; do
        eval "exec $fd>&-"
    done
    source "$state/0.env"
    exec ctest --test-dir "$top/build/win64" --output-on-failure -j"$sessions" \
        --resource-spec-file "$state/resources.json"
)
rc=$?
stop_sessions

for ((n = 0; n < sessions; n++)); do
    WINEPREFIX=$(prefix_of "$n") "$top/scripts/system-snapshot.sh" >"$state/$n.after"
    if ! diff -u "$state/$n.before" "$state/$n.after"; then
        echo "The tests changed the data folder or the registry key of the Wine prefix $(prefix_of "$n") (above)." >&2
        rc=1
    fi
done
if [[ -s "$retries" ]]; then
    echo "Wine did not start these test programs at the first attempt (started again):"
    cat "$retries"
fi
exit $rc
