#!/usr/bin/env bash
# Checks that includes run downward: a file in src/<folder> (its win/ and posix/ parts count as the
# folder) may include its own folder and the folders below it, never one above it or one beside it on
# the same layer. The layer order lives here and nowhere else; docs/design.md describes it.
#
#   scripts/check-layers.sh [SOURCE_ROOT]      (default: src beside this script)
#
# Prints each include that runs upward or sideways, or names a folder that has no layer, and fails.
set -euo pipefail
root=${1:-$(dirname "$0")/../src}

# Bottom first; folders on one line share a layer and do not include each other.
layers="
platform
ini
framework
skin
controls
lang
profile
device
sim
assign
macro
pages
app cli
"

status=0
declare -A rank
level=0
while read -r line; do
    [[ -n "$line" ]] || continue
    level=$((level + 1))
    for folder in $line; do
        rank[$folder]=$level
    done
done <<<"$layers"

for dir in "$root"/*/; do
    folder=$(basename "$dir")
    if [[ -z "${rank[$folder]:-}" ]]; then
        echo "src/$folder has no layer: add it to the layer order in scripts/check-layers.sh"
        status=1
    fi
done

# Every quoted include whose first path part is a folder of src, as "file<TAB>line<TAB>include".
while IFS=$'\t' read -r file lineno target; do
    own=${file#"$root"/}
    own=${own%%/*}
    other=${target%%/*}
    [[ "$own" != "$other" ]] || continue
    [[ -n "${rank[$other]:-}" && -n "${rank[$own]:-}" ]] || continue
    if ((rank[$other] >= rank[$own])); then
        echo "src/${file#"$root"/}:$lineno: includes \"$target\": $other is not below $own"
        status=1
    fi
done < <(find "$root" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.rc' \) -print0 | sort -z |
    xargs -0 awk '
        match($0, /^[ \t]*#[ \t]*include[ \t]*"[^"]+"/) {
            target = substr($0, RSTART, RLENGTH)
            sub(/^[^"]*"/, "", target)
            sub(/"$/, "", target)
            if (index(target, "/") > 0) printf "%s\t%d\t%s\n", FILENAME, FNR, target
        }')

exit $status
