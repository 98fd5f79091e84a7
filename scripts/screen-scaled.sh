#!/usr/bin/env bash
# Inside an X server of at least 2100 x 1400 pixels: starts Corvalith.exe with the virtual mouse laid out
# for a 200 % monitor (CORVALITH_DPI=192), shows its window and saves build/screens/main-200.png. The
# program's data folder is the one the 100 % pictures left.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
screens="$top/build/screens"
mkdir -p "$screens"
wine=/usr/lib/wine/wine64
: "${WINEPREFIX:?}"

CORVALITH_DPI=192 "$wine" "$top/build/win64/bin/Corvalith.exe" &
program=$!
fail() { echo "$1" >&2; /usr/lib/wine/wineserver -k || true; exit 1; }
# The virtual mouse window comes up first, while the main window is hidden: the main window, shown after
# it, lies above it in the picture.
for attempt in $(seq 1 60); do
    xdotool search --onlyvisible --name '^Corvalith virtual mouse$' >/dev/null 2>&1 && break
    sleep 0.5
done
# The window waits hidden in the tray until the show request reaches it.
window=""
for attempt in $(seq 1 60); do
    "$wine" "$top/build/win64/bin/corvalith-show.exe" >/dev/null 2>&1 || true
    window=$(xdotool search --onlyvisible --name '^Corvalith$' 2>/dev/null | head -n 1 || true)
    [[ -n "$window" ]] && break
    sleep 0.5
done
[[ -n "$window" ]] || fail "the window did not show at 200 %"
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ $WIDTH -eq 2000 && $HEIGHT -eq 1290 ]] || fail "the window is ${WIDTH}x${HEIGHT} at 200 %, not 2000x1290"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$screens/main-200.png"
echo "saved $screens/main-200.png"
/usr/lib/wine/wineserver -k || true
wait "$program" || true
