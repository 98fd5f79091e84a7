#!/usr/bin/env bash
# Builds the portable zip: Corvalith\ (the programs, Skins and its 150 % and 200 % sets Skins150 and
# Skins200, an empty Update\3360\), defaults\<LANG>\ (the four languages' first data folders) and
# README.txt, in CRLF for Notepad.
#
#   installer/make-portable.sh OUTPUT.zip BIN-FOLDER DEFAULTS-FOLDER README-TEMPLATE VERSION
set -euo pipefail
[[ $# -eq 5 ]] || { echo "usage: $0 OUTPUT.zip BIN-FOLDER DEFAULTS-FOLDER README-TEMPLATE VERSION" >&2; exit 2; }
output=$1 bin=$2 defaults=$3 readme=$4 version=$5
for language in EN DE CHS CHT; do
    [[ -f "$defaults/$language/str.ini" ]] || { echo "no defaults in $defaults/$language (build the native tree)" >&2; exit 1; }
done
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/Corvalith/Update/3360" "$stage/defaults"
cp "$bin/Corvalith.exe" "$bin/corvalith-show.exe" "$bin/corvalith-cli.exe" "$stage/Corvalith/"
cp -r "$bin/Skins" "$bin/Skins150" "$bin/Skins200" "$stage/Corvalith/"
for language in EN DE CHS CHT; do
    cp -r "$defaults/$language" "$stage/defaults/"
done
sed "s/@VERSION@/$version/g; s/\$/\r/" "$readme" >"$stage/README.txt"
mkdir -p "$(dirname "$output")"
rm -f "$output"
(cd "$stage" && zip -q -r -X package.zip README.txt Corvalith defaults)
mv "$stage/package.zip" "$output"
