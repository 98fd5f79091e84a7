#!/usr/bin/env bash
# Checks that each given Windows program imports only libraries that the system itself serves from its
# own folder, whatever lies beside the program (its known DLLs). Every other library the programs use is
# loaded at run time from the system folder only.
#
#   scripts/check-imports.sh OBJDUMP PROGRAM...
set -euo pipefail
objdump=$1
shift
allowed=" advapi32.dll comdlg32.dll gdi32.dll gdiplus.dll kernel32.dll msvcrt.dll ole32.dll setupapi.dll shell32.dll user32.dll "
status=0
for program in "$@"; do
    names=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
    [[ -n "$names" ]] || { echo "$program: no import list"; status=1; }
    while read -r name; do
        [[ -n "$name" ]] || continue
        lower=$(tr '[:upper:]' '[:lower:]' <<<"$name")
        if [[ $allowed != *" $lower "* ]]; then
            echo "$(basename "$program") imports $name, which a copy beside it could replace"
            status=1
        fi
    done <<<"$names"
done
exit $status
