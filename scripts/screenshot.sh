#!/usr/bin/env bash
# Runs a Windows program under Wine in a headless X server and saves a PNG of its window.
#
#   scripts/screenshot.sh <program.exe> <output.png> [program arguments...]
#
# The program runs in the project's Wine prefix (cmake/wine-run.sh). The picture is taken of the
# program's largest top-level window once it has been shown and has had time to paint; then the program
# is stopped. Without a display, the script runs itself inside xvfb-run.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(dirname "$here")

if [[ $# -lt 2 ]]; then
    echo "usage: $0 <program.exe> <output.png> [program arguments...]" >&2
    exit 2
fi
if [[ -z "${DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

program=$1
output=$2
shift 2
name=$(basename "$program")
settle=${SCREENSHOT_SETTLE_SECONDS:-2}

"$top/cmake/wine-run.sh" "$program" "$@" >/dev/null 2>&1 &
pid=$!
stop() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}
trap stop EXIT

# The program's windows carry its executable's name as their class; the largest one is its window.
window=""
for _ in $(seq 1 60); do
    window=$(xwininfo -root -tree 2>/dev/null |
        awk -v name="\"$name\"" '$0 ~ name && $0 !~ /Default IME/ {
                 if (match($0, /[0-9]+x[0-9]+\+/)) {
                     split(substr($0, RSTART, RLENGTH - 1), size, "x")
                     area = size[1] * size[2]
                     if (area > best) { best = area; id = $1 }
                 }
             }
             END { if (best > 1) print id }')
    [[ -n "$window" ]] && break
    sleep 0.5
done
if [[ -z "$window" ]]; then
    echo "screenshot: no window of $name appeared" >&2
    exit 1
fi
sleep "$settle"
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "screenshot: $output"
