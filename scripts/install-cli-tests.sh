#!/usr/bin/env bash
# Tests of corvalith-cli's installation on Linux (`make install-cli`), natively, in a temporary folder:
#   1. PREFIX and DESTDIR put exactly the program, its man page and the udev rule in place, and the
#      installed program runs;
#   2. the udev rule gives the logged-in user the mouse's hidraw nodes: its match keys are checked (and
#      the checker is shown to reject broken rules), and `udevadm verify` reads it where the system has it.
# Prints one line per case and a summary; exit status 1 when any case failed.
set -uo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
pass() { echo "  ok    $1"; }
fail() { echo "  FAIL  $1" >&2; failures=$((failures + 1)); }

echo "corvalith-cli installation"

# ---- 1. the files in place, per prefix ---------------------------------------------------------------
# prefix | UDEVDIR | the files below DESTDIR (sorted)
cases=(
    "/usr||usr/bin/corvalith-cli usr/lib/udev/rules.d/60-corvalith.rules usr/share/man/man1/corvalith-cli.1"
    "/usr/local||etc/udev/rules.d/60-corvalith.rules usr/local/bin/corvalith-cli usr/local/share/man/man1/corvalith-cli.1"
    "/opt/corvalith|/lib/udev/rules.d|lib/udev/rules.d/60-corvalith.rules opt/corvalith/bin/corvalith-cli opt/corvalith/share/man/man1/corvalith-cli.1"
)
n=0
for entry in "${cases[@]}"; do
    IFS='|' read -r prefix udevdir expected <<<"$entry"
    n=$((n + 1))
    destdir="$work/root$n"
    name="make install-cli PREFIX=$prefix${udevdir:+ UDEVDIR=$udevdir} DESTDIR=..."
    if ! UDEVDIR="$udevdir" make -s -C "$top" install-cli PREFIX="$prefix" DESTDIR="$destdir" >"$work/log" 2>&1; then
        cat "$work/log" >&2
        fail "$name: make failed"
        continue
    fi
    got=$(cd "$destdir" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ' | sed 's/ $//')
    if [[ "$got" != "$expected" ]]; then
        fail "$name: files are '$got', not '$expected'"
        continue
    fi
    program="$destdir$prefix/bin/corvalith-cli"
    if [[ ! -x "$program" ]]; then
        fail "$name: $program is not executable"
        continue
    fi
    if ! "$program" --help >"$work/help" 2>&1 || ! grep -q '^  encode-macros --macros FILE' "$work/help"; then
        fail "$name: the installed program does not print its help"
        continue
    fi
    if ! cmp -s "$(find "$destdir" -name 60-corvalith.rules)" "$top/installer/60-corvalith.rules"; then
        fail "$name: the installed udev rule differs from installer/60-corvalith.rules"
        continue
    fi
    pass "$name"
done

# The man page renders without warnings where man is there.
if command -v man >/dev/null 2>&1; then
    warnings=$(MANWIDTH=80 man --warnings -l "$top/installer/corvalith-cli.1" 2>&1 >/dev/null || echo "man failed")
    if [[ -z "$warnings" ]]; then pass "the man page renders without warnings"; else fail "man page: $warnings"; fi
fi

# ---- 2. the udev rule ----------------------------------------------------------------------------------
# A rule file is right when its file name sorts before 73-seat-late.rules (where udev turns the uaccess
# tag into the seat user's access) and it has exactly one rule, with exactly these keys.
check_rule() {
    local file=$1 number
    number=$(basename "$file" | sed -n 's/^\([0-9][0-9]\)-.*\.rules$/\1/p')
    [[ -n "$number" && 10#$number -lt 73 ]] || return 1
    local keys
    keys=$(grep -v '^[[:space:]]*\(#\|$\)' "$file" | awk '
        { rules++ }
        { n = split($0, parts, /,[ \t]*/); for (i = 1; i <= n; i++) print parts[i] }
        END { if (rules != 1) print "rules=" rules }' | sort)
    [[ "$keys" == "$(printf '%s\n' 'ATTRS{idProduct}=="1005"' 'ATTRS{idVendor}=="260d"' 'SUBSYSTEM=="hidraw"' \
        'TAG+="uaccess"' | sort)" ]]
}
rule="$top/installer/60-corvalith.rules"
mkdir -p "$work/rules"
# name | how the rule is changed (a sed expression) | accepted | file name (60-corvalith.rules)
rule_cases=(
    "the rule as it ships||yes"
    "a vendor id in capitals (sysfs has lower case)|s/260d/260D/|no"
    "another product|s/1005/1006/|no"
    "every user may write (MODE)|s/TAG+=\"uaccess\"/TAG+=\"uaccess\", MODE=\"0666\"/|no"
    "the tag assigned, not added|s/TAG+=/TAG=/|no"
    "the usb device instead of its hidraw nodes|s/SUBSYSTEM==\"hidraw\"/SUBSYSTEM==\"usb\"/|no"
    "a second rule|\$a SUBSYSTEM==\"hidraw\", TAG+=\"uaccess\"|no"
    "read after the seat rules||no|80-corvalith.rules"
)
for entry in "${rule_cases[@]}"; do
    IFS='|' read -r name change accepted file <<<"$entry"
    file="$work/rules/${file:-60-corvalith.rules}"
    rm -f "$work/rules"/*
    if [[ -n "$change" ]]; then sed "$change" "$rule" >"$file"; else cp "$rule" "$file"; fi
    if check_rule "$file"; then verdict=yes; else verdict=no; fi
    if [[ "$verdict" == "$accepted" ]]; then
        if [[ $accepted == yes ]]; then pass "udev rule: $name is accepted"; else pass "udev rule: $name is rejected"; fi
    else
        fail "udev rule: $name: accepted=$verdict, expected $accepted"
    fi
done
if udevadm verify --help >/dev/null 2>&1; then
    if udevadm verify "$rule" >"$work/verify" 2>&1; then
        pass "udevadm verify reads the rule"
    else
        cat "$work/verify" >&2
        fail "udevadm verify rejects the rule"
    fi
else
    echo "  skip  udevadm verify (this system's udevadm has no verify)"
fi

if [[ $failures -ne 0 ]]; then
    echo "corvalith-cli installation: $failures failed" >&2
    exit 1
fi
echo "corvalith-cli installation: all passed"
