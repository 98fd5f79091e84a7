#!/usr/bin/env bash
# Saves a picture of the setup program's language page with its list open (docs/screens/installer-language.png
# unless another file is named), in a headless X server and a temporary Wine prefix of its own, with an
# English Windows: the page opens with English chosen. The setup program is stopped at its first page,
# so nothing is installed.
#
#   scripts/installer-screenshot.sh [output.png]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
output=${1:-$top/docs/screens/installer-language.png}
if [[ -z "${CORVALITH_SCREENSHOT_IN_X:-}" ]]; then
    CORVALITH_SCREENSHOT_IN_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$output"
fi
version=$(sed -n 's/^project(Corvalith VERSION \([0-9.]*\) .*/\1/p' "$top/CMakeLists.txt")
setup="$top/build/installer/Corvalith-Setup-$version.exe"
[[ -f "$setup" ]] || { echo "no setup program: make installer" >&2; exit 1; }

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=en_US.UTF-8
finish() {
    /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true # this script's own prefix only
    rm -rf "$work"
}
trap finish EXIT
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
# The Chinese names in the dialog font, as a Chinese-capable Windows shows them: linked to WenQuanYi Micro Hei.
for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2"; do
    /usr/lib/wine/wine64 reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
done
/usr/lib/wine/wineserver -w
/usr/lib/wine/wine64 "$setup" >/dev/null 2>&1 &
window=""
for _ in $(seq 1 60); do
    window=$(xdotool search --onlyvisible --name '^Corvalith$' 2>/dev/null | head -n 1 || true)
    [[ -n "$window" ]] && break
    sleep 0.5
done
[[ -n "$window" ]] || { echo "the language page did not appear" >&2; exit 1; }
sleep 2
# Opens the list (the box's arrow, 10 pixels in from its right end) and takes the page with the list
# below it from the screen.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" $((WIDTH - 30)) 69 click 1
sleep 1
mkdir -p "$(dirname "$output")"
import -window root -crop "${WIDTH}x$((HEIGHT + 26))+$X+$Y" +repage "$output"
echo "saved $output"
