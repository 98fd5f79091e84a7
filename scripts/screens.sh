#!/usr/bin/env bash
# Inside an X server: starts Corvalith.exe with the virtual mouse, shows it, opens each view and
# section as a person would with the mouse, and saves a screenshot of the main window after each step
# (build/screens/*.png), plus one of the virtual mouse window.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
screens="$top/build/screens"
mkdir -p "$screens"
wine=/usr/lib/wine/wine64

"$wine" "$top/build/win64/bin/Corvalith.exe" &
program=$!
"$wine" "$top/build/win64/bin/corvalith-show.exe" || { echo "the main window did not appear" >&2; exit 1; }
window=""
for attempt in $(seq 1 60); do
    window=$(xdotool search --onlyvisible --name '^Corvalith$' 2>/dev/null | head -n 1 || true)
    [[ -n "$window" ]] && break
    sleep 0.5
done
[[ -n "$window" ]] || { echo "the main window was not shown" >&2; /usr/lib/wine/wineserver -k; exit 1; }

shot() { sleep 1.5; import -window "$window" "$screens/$1.png"; echo "saved $screens/$1.png"; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

shot main-top-view
click 536 541; shot main-side-view
click 466 541
click 140 117; shot main-button-assignment
click 140 117
click 140 167; shot main-axis-sensitivity
click 140 167
click 140 192; shot main-lift-off
click 140 192

mouse=$(xdotool search --name '^Corvalith virtual mouse$' | head -n 1)
[[ -z "$mouse" ]] || import -window "$mouse" "$screens/virtual-mouse.png"

/usr/lib/wine/wineserver -k
wait "$program" 2>/dev/null || true
