#!/usr/bin/env bash
# Tests of the Windows setup program (build/installer/Corvalith-Setup-<version>.exe) and the portable zip,
# under Wine in a headless X server, in a Wine prefix of their own (a temporary folder, removed at the
# end): the project's prefix, its data folder and its registry are never touched.
#   1. a bad /LANG is refused before anything is installed;
#   2. a silent install lays down every file, the shortcut, the "Apps & features" entry and the data
#      folder's defaults of the chosen language;
#   3. the installed program starts, asks the first-start question and shows its tray icon;
#   4. a silent install while it runs asks it to exit ("Exit") and then replaces the program folder whole;
#   5. a further silent install, in another language, over changed profiles, captions and macros keeps
#      every one of them byte for byte;
#   6. the silent uninstall removes the program folder, the shortcut and the registry entries, and keeps
#      the data folder;
#   7. the portable zip holds the programs, Skins, Skins150, Skins200, Update\3360\, the four languages'
#      defaults and its text.
# Prints one line per check and a summary; exit status 1 when any check failed.
set -uo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [[ -z "${CORVALITH_INSTALLER_TESTS_IN_X:-}" ]]; then
    CORVALITH_INSTALLER_TESTS_IN_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

version=$(sed -n 's/^project(Corvalith VERSION \([0-9.]*\) .*/\1/p' "$top/CMakeLists.txt")
setup="$top/build/installer/Corvalith-Setup-$version.exe"
portable="$top/build/installer/Corvalith-$version-portable.zip"
bin="$top/build/win64/bin"
defaults="$top/build/native/install-defaults"

work=$(mktemp -d)
export WINEPREFIX="$work/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
finish() {
    "$wineserver" -k >/dev/null 2>&1 || true # this test's own prefix only (WINEPREFIX above)
    rm -rf "$work"
}
trap finish EXIT

failures=0
pass() { echo "  ok    $1"; }
fail() { echo "  FAIL  $1" >&2; failures=$((failures + 1)); }
check() { # check NAME COMMAND...: one check
    local name=$1
    shift
    if "$@"; then pass "$name"; else fail "$name"; fi
}

echo "setup program $(basename "$setup")"
[[ -f "$setup" ]] || { echo "no setup program: make installer" >&2; exit 1; }

"$wine" wineboot -i >/dev/null 2>&1
"$wineserver" -w
user_dir=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)
program_dir="$user_dir/AppData/Local/Programs/Corvalith"
data_dir="$user_dir/AppData/Roaming/Corvalith"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Corvalith.lnk"
windows_program_dir="C:\\users\\$(basename "$user_dir")\\AppData\\Local\\Programs\\Corvalith"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvalith'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

# A registry value as text ("" when it is missing), and whether a key exists.
reg_value() { "$wine" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^  /, ""); print }'; }
reg_has_key() { "$wine" reg query "$1" >/dev/null 2>&1; }
install() { "$wine" "$setup" "$@" >/dev/null 2>&1; }
# Every file of a folder with its checksum, relative names.
snapshot() { (cd "$1" && find . -type f -print0 | sort -z | xargs -0 -r sha256sum); }
# The text of a UTF-16LE file with BOM, as UTF-8 without the CRs.
utf16_text() { tail -c +3 "$1" | iconv -f UTF-16LE -t UTF-8 | tr -d '\r'; }

program_folder_is_complete() {
    local file
    for file in Corvalith.exe corvalith-show.exe corvalith-cli.exe; do
        cmp -s "$bin/$file" "$program_dir/$file" || { echo "    $file differs or is missing" >&2; return 1; }
    done
    [[ -f "$program_dir/Uninstall.exe" ]] || { echo "    no Uninstall.exe" >&2; return 1; }
    for skins in Skins Skins150 Skins200; do
        diff -r -q "$bin/$skins" "$program_dir/$skins" >&2 || return 1
    done
    [[ -d "$program_dir/Update/3360" && -z "$(ls -A "$program_dir/Update/3360")" ]] ||
        { echo "    Update\\3360 is missing or not empty" >&2; return 1; }
    # Nothing but these, and no folder left from the swap beside it.
    local listed
    listed=$(ls "$program_dir" | tr '\n' ' ')
    [[ "$listed" == "Corvalith.exe Skins Skins150 Skins200 Uninstall.exe Update corvalith-cli.exe corvalith-show.exe " ]] ||
        { echo "    the program folder holds: $listed" >&2; return 1; }
    [[ ! -e "$program_dir.new" && ! -e "$program_dir.old" ]] || { echo "    a swap folder is left" >&2; return 1; }
}

# ---- 1. a bad language -----------------------------------------------------------------------------------
install /S /LANG=FR
status=$?
check "/S /LANG=FR ends with exit code 2 (got $status) and installs nothing" \
    test "$status" -eq 2 -a ! -e "$program_dir" -a ! -e "$data_dir"

# ---- 2. a silent install, German ---------------------------------------------------------------------------
install /S /LANG=DE
status=$?
check "/S /LANG=DE ends with exit code 0 (got $status)" test "$status" -eq 0
check "the program folder holds the programs, Skins, Skins150, Skins200, an empty Update\\3360 and the uninstaller" program_folder_is_complete
check "the Start-menu shortcut is there" test -f "$shortcut"
uninstall_values=(
    "DisplayName|Corvalith"
    "DisplayVersion|$version"
    "Publisher|Corvalith"
    "DisplayIcon|$windows_program_dir\\Corvalith.exe"
    "UninstallString|\"$windows_program_dir\\Uninstall.exe\""
    "QuietUninstallString|\"$windows_program_dir\\Uninstall.exe\" /S"
)
for entry in "${uninstall_values[@]}"; do
    IFS='|' read -r name expected <<<"$entry"
    got=$(reg_value "$uninstall_key" "$name")
    check "Apps & features: $name is '$expected' (got '$got')" test "$got" == "$expected"
done
check "no start with Windows unless asked" test -z "$(reg_value "$run_key" Corvalith)"
files=$(ls "$data_dir" 2>/dev/null | tr '\n' ' ')
check "the data folder holds str.ini, str0.ini..str5.ini and config.bin (got '$files')" \
    test "$files" == "config.bin str.ini str0.ini str1.ini str2.ini str3.ini str4.ini str5.ini "
for file in str.ini str0.ini str1.ini str2.ini str3.ini str4.ini str5.ini config.bin; do
    check "data folder: $file is the German default" cmp -s "$defaults/DE/$file" "$data_dir/$file"
done
lan=$(utf16_text "$data_dir/str.ini" | sed -n '/^\[Skins\]/,/^\[/p' | grep '^Lan=')
check "data folder: str.ini says Lan=DE in [Skins] (got '$lan')" test "$lan" == "Lan=DE"
check "data folder: config.bin is 1893 bytes, marker 1" \
    bash -c '[[ $(stat -c %s "$1") -eq 1893 && "$(head -c 1 "$1" | od -An -tu1 | tr -d " ")" == 1 ]]' _ "$data_dir/config.bin"

# ---- 3. the installed program runs ------------------------------------------------------------------------
find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true; }
wait_for() { # wait_for SECONDS COMMAND...: until the command succeeds
    local tries=$(($1 * 2))
    shift
    while ((tries-- > 0)); do
        "$@" && return 0
        sleep 0.5
    done
    return 1
}
(cd "$work" && CORVALITH_SIMULATE=1 exec "$wine" "$program_dir/Corvalith.exe" >/dev/null 2>&1) &
program=$!
notice=""
wait_for 30 bash -c '[[ -n "$(xdotool search --onlyvisible --name "^Corvalith lift-off notice$" 2>/dev/null)" ]]'
notice=$(find_window '^Corvalith lift-off notice$')
check "the installed program starts and asks the first-start question" test -n "$notice"
if [[ -n "$notice" ]]; then
    # OK sits 32 pixels above the notice's bottom edge, 197..250 across.
    height=$(xdotool getwindowgeometry "$notice" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
    xdotool mousemove --window "$notice" 223 $((height - 21)) click 1
fi
# Without a tray of the desktop's own, Wine shows the icons in its "Wine System Tray" window, 20 pixels a
# slot; it appears with the first icon. The program's icon fills the first slot with several colours, an
# empty slot is one.
tray_icon_shown() {
    local tray colours
    tray=$(xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -n 1)
    [[ -n "$tray" ]] || return 1
    import -window "$tray" "$work/tray.png" 2>/dev/null || return 1
    colours=$(convert "$work/tray.png" -crop 20x20+0+0 +repage -format %k info: 2>/dev/null)
    [[ -n "$colours" && "$colours" -ge 3 ]]
}
check "the program shows its tray icon" wait_for 20 tray_icon_shown
check "the program keeps running in the tray" kill -0 "$program"

# ---- 4. an install while the program runs ---------------------------------------------------------------------
install /S /LANG=DE /AUTOSTART
status=$?
check "a silent install while the program runs ends with exit code 0 (got $status)" test "$status" -eq 0
check "the running program was asked to exit and ended" wait_for 10 bash -c "! kill -0 $program 2>/dev/null"
wait "$program" 2>/dev/null
check "the program folder is whole after the replacement" program_folder_is_complete
check "/AUTOSTART: start with Windows" test "$(reg_value "$run_key" Corvalith)" == "\"$windows_program_dir\\Corvalith.exe\""
"$wineserver" -w

# ---- 5. a further install over changed profiles ---------------------------------------------------------------
# What a user changes: a profile, the base profile, a caption of the current language, the macros; and a
# profile text file of their own that has only a caption of theirs.
to_utf16() { printf '\377\376'; sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE; }
printf '\001changed profile\000\377' >"$data_dir/config0.bin"
printf '\001changed base profile' >"$data_dir/config.bin"
utf16_text "$data_dir/str0.ini" | sed '/^\[Setting-DE\]/,/^\[/s/^Item1=.*/Item1=Meine Taste/' | to_utf16 >"$work/str0.ini"
mv "$work/str0.ini" "$data_dir/str0.ini"
printf '[Setting-DE]\nItem2=Vorwärts\n' | to_utf16 >"$data_dir/str2.ini"
printf '[MacroName]\r\nMacroCount=1\r\n0=Mine\r\n' >"$data_dir/record.ini"
rm "$data_dir/str5.ini"
check "the changed caption is in str0.ini" grep -qx 'Item1=Meine Taste' <(utf16_text "$data_dir/str0.ini")
before=$(snapshot "$data_dir")
install /S /LANG=EN
status=$?
check "a second silent install (/LANG=EN) ends with exit code 0 (got $status)" test "$status" -eq 0
after=$(snapshot "$data_dir")
check "it keeps every changed profile, caption and macro byte for byte" \
    test "$(grep -v ' ./str[25].ini$' <<<"$after")" == "$(grep -v ' ./str2.ini$' <<<"$before")"
str2=$(utf16_text "$data_dir/str2.ini")
check "a text file of the user's own keeps its caption" \
    test "$(sed -n '/^\[Setting-DE\]/,/^\[/p' <<<"$str2" | grep '^Item2=')" == "Item2=Vorwärts"
check "and only gains the language code it lacks, English" \
    test "$(sed -n '/^\[Skins\]/,/^\[/p' <<<"$str2" | grep '^Lan=')" == "Lan=EN"
check "it lays down only the missing str5.ini, in English" cmp -s "$defaults/EN/str5.ini" "$data_dir/str5.ini"
check "without /AUTOSTART the start with Windows is gone" test -z "$(reg_value "$run_key" Corvalith)"
check "the program folder is whole" program_folder_is_complete

# ---- 6. the silent uninstall ------------------------------------------------------------------------------
before=$(snapshot "$data_dir")
"$wine" reg add 'HKCU\Software\Corvalith' /v IsNewInstalled /d N /f >/dev/null 2>&1
"$wine" "$program_dir/Uninstall.exe" /S >/dev/null 2>&1
"$wineserver" -w
check "the uninstall removes the program folder" test ! -e "$program_dir"
check "the uninstall removes the shortcut" test ! -e "$shortcut"
no_key() { ! reg_has_key "$1"; }
check "the uninstall removes the Apps & features entry" no_key "$uninstall_key"
check "the uninstall leaves no start with Windows" test -z "$(reg_value "$run_key" Corvalith)"
check "the uninstall keeps the data folder byte for byte" test "$(snapshot "$data_dir")" == "$before"
check "the uninstall keeps the program's own registry key" test "$(reg_value 'HKCU\Software\Corvalith' IsNewInstalled)" == N

# ---- 7. the portable zip ----------------------------------------------------------------------------------
if [[ -f "$portable" ]]; then
    mkdir -p "$work/zip"
    (cd "$work/zip" && unzip -q "$portable")
    expected="README.txt Corvalith/Corvalith.exe Corvalith/corvalith-show.exe Corvalith/corvalith-cli.exe"
    ok=1
    for file in $expected; do [[ -f "$work/zip/$file" ]] || ok=0; done
    check "the zip holds README.txt and the three programs" test $ok -eq 1
    for skins in Skins Skins150 Skins200; do
        check "the zip's $skins are the build's" diff -r -q "$bin/$skins" "$work/zip/Corvalith/$skins"
    done
    check "the zip holds an empty Update\\3360" \
        bash -c '[[ -d "$1" && -z "$(ls -A "$1")" ]]' _ "$work/zip/Corvalith/Update/3360"
    for language in EN DE CHS CHT; do
        check "the zip's defaults/$language are the $language defaults" diff -r -q "$defaults/$language" "$work/zip/defaults/$language"
    done
    check "the zip's text says where the defaults go" grep -q '%APPDATA%\\Corvalith\\' "$work/zip/README.txt"
else
    fail "no portable zip: make dist"
fi

if [[ $failures -ne 0 ]]; then
    echo "setup program: $failures checks failed" >&2
    exit 1
fi
echo "setup program: all checks passed"
