#!/usr/bin/env bash
# make run: starts Corvalith.exe under Wine with the virtual mouse and shows its window.
# The Wine prefix's data folder gets the installation defaults of LANG_CODE (EN, DE, CHS, CHT) where it
# lacks them: a usable language code, the default captions, the base profile; nothing there is replaced.
# With a display the program stays open until its tray menu's "Exit"; without one it runs in
# Xvfb and saves screenshots of the main window under build/screens/.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
lang=${LANG_CODE:-EN}
export WINEPREFIX="$top/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export CORVALITH_SIMULATE=1
export CORVALITH_TRACE='Z:'"$(echo "$top/build/run-trace.txt" | tr / '\\')"

installdefaults="$top/build/native/tools/installdefaults/corvalith-installdefaults"
case "$lang" in
EN | DE | CHS | CHT) ;;
*) echo "LANG_CODE must be EN, DE, CHS or CHT, not '$lang'" >&2; exit 2 ;;
esac

"$top/cmake/wine-run.sh" cmd /c exit >/dev/null 2>&1 || true
# A Wine server started without this display would own the desktop of the program: let it end first.
/usr/lib/wine/wineserver -w || true
users="$WINEPREFIX/drive_c/users"
user_dir=$(find "$users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)
[[ -n "$user_dir" ]] || { echo "the Wine prefix $WINEPREFIX has no user folder" >&2; exit 1; }
data="$user_dir/AppData/Roaming/Corvalith"
"$installdefaults" --into "$data" "$lang"

if [[ -n "${DISPLAY:-}" && -z "${CORVALITH_HEADLESS:-}" ]]; then
    /usr/lib/wine/wine64 "$top/build/win64/bin/Corvalith.exe" &
    program=$!
    /usr/lib/wine/wine64 "$top/build/win64/bin/corvalith-show.exe"
    wait "$program"
else
    xvfb-run -a -s "-screen 0 1280x1024x24" "$top/scripts/screens.sh"
    # The main window at 200 %, on a screen large enough for it.
    xvfb-run -a -s "-screen 0 2400x1600x24" "$top/scripts/screen-scaled.sh"
fi
