#!/usr/bin/env bash
# Inside an X server: starts Corvalith.exe with the virtual mouse. At the first start after installation it
# asks about the lift-off function: a screenshot of the question, then it is answered with the mouse, as a
# person would. A screenshot of the virtual mouse window follows; then the main window is shown, each view
# and section, and the advanced panel's DPI, lighting, polling-rate, pointer-speed and scroll-speed sections,
# are opened with the mouse and a screenshot of the main window is saved after each step, with an
# assignment menu and its submenu open, the key capture dialog, the macro assignment dialog, the macro
# manager with a recorded macro, its context menu and its in-place editor, the profile manager with its
# context menu and its programs submenu, the notification icon's menu with the profiles, and the upload
# progress of a reset (build/screens/*.png).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
screens="$top/build/screens"
mkdir -p "$screens"
wine=/usr/lib/wine/wine64
: "${WINEPREFIX:?}"

# The first start asks the question when the installation record is missing from the user's registry.
asks=yes
if grep -qi '^\[Software\\\\Corvalith\]' "$WINEPREFIX/user.reg" 2>/dev/null; then
    asks=no
fi

"$wine" "$top/build/win64/bin/Corvalith.exe" &
program=$!

fail() { echo "$1" >&2; /usr/lib/wine/wineserver -k || true; exit 1; }
find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true; }
# The first visible window titled as the pattern says, waited for up to tries half-seconds; empty if none.
wait_window() {
    local found=""
    for attempt in $(seq 1 "$2"); do
        found=$(find_window "$1")
        [[ -n "$found" ]] && break
        sleep 0.5
    done
    echo "$found"
}
shot() { sleep 1.5; import -window "$1" "$screens/$2.png"; echo "saved $screens/$2.png"; }
# The same from the screen itself, so that the popup menus open over the window are in the picture.
shot_screen() {
    sleep 1.5
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$screens/$2.png"
    echo "saved $screens/$2.png"
}

if [[ $asks == yes ]]; then
    notice=$(wait_window '^Corvalith lift-off notice$' 60)
    [[ -n "$notice" ]] || fail "the first-start question did not appear"
    shot "$notice" first-start-question
    # OK sits 32 pixels above the notice's bottom edge, 197..250 across; "OFF" is marked when it opens.
    height=$(xdotool getwindowgeometry "$notice" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
    xdotool mousemove --window "$notice" 223 $((height - 21)) click 1
    for attempt in $(seq 1 20); do
        [[ -z "$(find_window '^Corvalith lift-off notice$')" ]] && break
        sleep 0.5
    done
    [[ -z "$(find_window '^Corvalith lift-off notice$')" ]] || fail "the first-start question was not answered"
fi

# The virtual mouse window, while the main window is still hidden and covers none of it.
mouse=$(wait_window '^Corvalith virtual mouse$' 60)
[[ -z "$mouse" ]] || shot "$mouse" virtual-mouse

"$wine" "$top/build/win64/bin/corvalith-show.exe" || fail "the main window did not appear"
window=$(wait_window '^Corvalith$' 60)
[[ -n "$window" ]] || fail "the main window was not shown"

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

shot "$window" main-top-view
click 536 541; shot "$window" main-side-view
click 466 541
click 140 117; shot "$window" main-button-assignment

# Row "Button 3" (its drop-down box spans 120..250 across, 194..210 down): its assignment menu opens at the
# box's right edge + 5, level with its top, with 20-pixel items; resting on "DPI Setting +" (the eighth)
# opens that submenu.
menu_item() { echo $((194 + 3 + 20 * $1 + 10)); }
click 180 202; sleep 1
xdotool mousemove --window "$window" 300 "$(menu_item 7)"; sleep 1
shot_screen "$window" assignment-menu
# "Assign Keyboard Key" (the twelfth item): the key capture dialog, with a key pressed.
xdotool mousemove --window "$window" 300 "$(menu_item 11)" click 1
dialog=$(wait_window '^Corvalith single key$' 20)
[[ -n "$dialog" ]] || fail "the key capture dialog did not appear"
xdotool key F5
shot "$dialog" key-capture
xdotool mousemove --window "$dialog" 346 262 click 1 # Cancel
sleep 1
# "Macro" (the thirteenth item): the macro assignment dialog, its list opened.
click 180 202; sleep 1
xdotool mousemove --window "$window" 300 "$(menu_item 12)" click 1
dialog=$(wait_window '^Corvalith macro assignment$' 20)
[[ -n "$dialog" ]] || fail "the macro assignment dialog did not appear"
xdotool mousemove --window "$dialog" 60 136 click 1
shot "$dialog" macro-assignment
xdotool mousemove --window "$dialog" 343 262 click 1 # Cancel
sleep 1
click 140 117

# The macro manager from its header (the second, below the closed first section): a new macro recorded
# from the keyboard with its delays, the event list's context menu, and the in-place editor over the
# macro's name. A popup menu is a window of its own, so that picture is cut from the whole screen.
click 140 142
manager=$(wait_window '^Corvalith macro manager$' 20)
[[ -n "$manager" ]] || fail "the macro manager did not appear"
in_manager() { xdotool mousemove --window "$manager" "$1" "$2" click "${3:-1}"; }
in_manager 46 380                     # New
in_manager 377 151                    # Record delay between keystrokes
in_manager 340 99; sleep 0.5          # Start Recording
xdotool key a; sleep 0.3; xdotool key b; sleep 0.5
in_manager 340 99; sleep 0.5          # Stop Recording
shot "$manager" macro-manager
in_manager 200 88; sleep 0.3
in_manager 200 88 3                   # the context menu of the event list's first item
shot_screen "$manager" macro-manager-menu
xdotool key Escape; sleep 0.5
xdotool mousemove --window "$manager" 60 88 click --repeat 2 --delay 80 1; sleep 0.5
xdotool type --delay 50 "Jump"
shot "$manager" macro-manager-editor
xdotool key Return; sleep 0.5
in_manager 325 408                    # OK: the macros go to the mouse
sleep 5
click 140 167; shot "$window" main-axis-sensitivity
click 140 167
click 140 192; shot "$window" main-lift-off
click 140 192

# The advanced panel on the right (x 735, y 32): each section opened alone by its header and closed again.
panel_header() { click 856 $((32 + $1 + 10)); }
panel_header 2; shot "$window" panel-dpi; panel_header 2
panel_header 27; shot "$window" panel-lighting; panel_header 27
panel_header 52; shot "$window" panel-polling-rate; panel_header 52
panel_header 77; shot "$window" panel-pointer-speed; panel_header 77
panel_header 127; shot "$window" panel-scroll-speed; panel_header 127

# The profile manager (its top-left corner at 12, 32 in the main window), opened by "Config" and given
# three profiles with its New area; then its context menu on the second entry and that menu's programs
# submenu. A popup menu is a window of
# its own, so that picture is cut from the whole screen around the main window.
click 88 619; sleep 1
for _ in 1 2 3; do click 62 617; sleep 0.5; done
shot "$window" profile-manager
xdotool mousemove --window "$window" 70 82 click 3; sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "420x420+$((X + 12))+$((Y + 32))" "$screens/profile-manager-menu.png"
echo "saved $screens/profile-manager-menu.png"
# Its programs submenu: below the five commands (20 pixels apart) and a separator (5).
xdotool mousemove --window "$window" 100 $((82 + 5 * 20 + 5 + 12)); sleep 1.5
import -window root -crop "560x420+$((X + 12))+$((Y + 32))" "$screens/profile-manager-programs.png"
echo "saved $screens/profile-manager-programs.png"
xdotool key Escape; sleep 0.3
xdotool key Escape; sleep 0.5
click 259 47; sleep 1 # the close area: the selected profile becomes the active one

# The notification icon's menu: the profiles above its items, the active one checked. Without a desktop
# shell Wine keeps the icons in a small window of its own; the program's icon is its first.
tray=$(wait_window '^Wine System Tray$' 10)
if [[ -n "$tray" ]]; then
    xdotool mousemove --window "$tray" 10 10 click 3; sleep 1.5
    import -window root -crop "320x220+0+0" +repage "$screens/tray-menu.png"
    echo "saved $screens/tray-menu.png"
    xdotool key Escape; sleep 0.5
fi

# The upload progress under the colour note: Reset (its question answered with Enter) writes the whole
# profile, about four seconds with the mouse's waits, and the bar shows after the first 300 ms. The
# uploads before it have ended by then, so no earlier picture shows the bar.
sleep 5
click 951 619
question=$(wait_window '^(ATTENTION!!|ACHTUNG!!|注意!|警告!!)$' 20) # the reset question's title in the four languages
[[ -n "$question" ]] || fail "the reset question did not appear"
sleep 0.5; xdotool key Return
# Wine takes up to two seconds to end the question's box without a window manager; the picture is taken
# half a second after the bar's track (dark red at the bar's right end, 902, 630) has appeared.
for attempt in $(seq 1 40); do
    pixel=$(import -window "$window" -crop 1x1+902+630 txt:- 2>/dev/null | tail -n 1)
    [[ $pixel == *"(76,34,35)"* ]] && break
    sleep 0.2
done
sleep 0.5
import -window "$window" "$screens/upload-progress.png"
echo "saved $screens/upload-progress.png"

/usr/lib/wine/wineserver -k
wait "$program" 2>/dev/null || true
