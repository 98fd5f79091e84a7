#!/usr/bin/env bash
# Prints what the Wine prefix holds of the user's own Corvalith state: every file of the data folder with
# its checksum, and the product's registry key with its values (without the times Wine stamps on keys).
# The Windows tests compare it before and after their run: they must leave both exactly as they were.
set -euo pipefail
prefix=${1:-${WINEPREFIX:?}}
for data in "$prefix"/drive_c/users/*/AppData/Roaming/Corvalith; do
    [[ -d "$data" ]] || continue
    echo "data folder $data"
    (cd "$data" && find . -type f -print0 | sort -z | xargs -0 -r sha256sum)
done
if [[ -f "$prefix/user.reg" ]]; then
    awk '
        /^\[/ {
            header = tolower($0)
            inside = index(header, "[software\\\\corvalith]") == 1 || index(header, "[software\\\\corvalith\\\\") == 1
            if (inside) { sub(/\] [0-9]+$/, "]"); print }
            next
        }
        inside && !/^#time=/ { print }
    ' "$prefix/user.reg"
fi
