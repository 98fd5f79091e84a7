#!/usr/bin/env bash
# Installs what the build, the tests and the developer targets need, when it is missing.
#
#   scripts/install-deps.sh [GROUP...]
#
#   build       (also with no group) what `make test` and `make run` need: host and mingw-w64 compilers, CMake, Ninja, Wine,
#               Xvfb and the X tools of the screenshots, GoogleTest, hidapi, Google Benchmark, cairo,
#               libjpeg and the fonts the skins and the program use, NSIS, zip and unzip for the packages
#   fuzz        what `make fuzz` needs: CMake, Ninja, hidapi, and clang with libFuzzer and the sanitizers
#   format      what `make format` needs: clang-format
#   all         all of the above (`make deps`)
#
# Every tool, header, library and font is looked for itself (on PATH, in the compiler's include path,
# through pkg-config, through fontconfig), so tools installed by hand or by another distribution count.
# Only the Debian packages that provide what was not found are installed, with apt-get as root or through
# sudo. When everything is there the script prints nothing and exits 0.
set -euo pipefail

# ---- how each kind of thing is looked for -------------------------------------------------------------

has_command() { command -v "$1" >/dev/null 2>&1; }

machine=$(uname -m 2>/dev/null || echo x86_64)

has_file() { [[ -e "$1" ]]; }

# The folders the C++ compiler searches for <...> includes, asked once.
include_dirs=()
include_dirs_known=0
has_header() {
    if [[ $include_dirs_known -eq 0 ]]; then
        include_dirs_known=1
        local compiler="" line in_list=0
        for compiler in "${CXX:-}" g++ c++ clang++; do
            [[ -n "$compiler" ]] && has_command "$compiler" && break
            compiler=""
        done
        if [[ -n "$compiler" ]]; then
            while IFS= read -r line; do
                case "$line" in
                "#include <...> search starts here:") in_list=1 ;;
                "End of search list.") in_list=0 ;;
                *) [[ $in_list -eq 1 ]] && include_dirs+=("${line# }") ;;
                esac
            done < <("$compiler" -E -x c++ -v - </dev/null 2>&1 || true)
        fi
        include_dirs+=(/usr/local/include /usr/include /usr/include/"$machine"-linux-gnu)
    fi
    local dir
    for dir in "${include_dirs[@]}"; do
        [[ -f "$dir/$1" ]] && return 0
    done
    return 1
}

# A pkg-config module; without pkg-config, its .pc file in the usual folders.
has_pkg() {
    if has_command pkg-config; then
        pkg-config --exists "$1"
        return
    fi
    local dir
    for dir in /usr/local/lib/pkgconfig /usr/local/share/pkgconfig /usr/lib/*/pkgconfig /usr/lib/pkgconfig \
        /usr/share/pkgconfig; do
        [[ -f "$dir/$1.pc" ]] && return 0
    done
    return 1
}

# A font family through fontconfig; without fc-list, one of the font's known files.
has_font() {
    local family=$1 file
    shift
    if has_command fc-list; then
        [[ -n "$(fc-list "$family" family 2>/dev/null)" ]]
        return
    fi
    for file in "$@"; do
        [[ -f "$file" ]] && return 0
    done
    return 1
}

# A runtime library of clang (libFuzzer, the sanitizers): "NAME-<arch>.a" in older layouts, "NAME.a" in
# the per-target folders of newer ones. clang prints the name unchanged when it has no such file.
has_clang_runtime() {
    has_command clang || return 1
    local name found
    for name in "$1-$machine.a" "$1.a"; do
        found=$(clang -print-file-name="$name" 2>/dev/null || true)
        [[ "$found" == /* && -f "$found" ]] && return 0
    done
    return 1
}

# ---- what each group needs ----------------------------------------------------------------------------
# One line per thing: group, the Debian package that provides it, its name in messages, the check.

requirements=(
    # The native tree and its tests.
    "build|cmake|cmake|has_command cmake"
    "build|ninja-build|ninja|has_command ninja"
    "build|gcc|cc|has_command cc"
    "build|g++|g++|has_command g++"
    "build|make|make|has_command make"
    "build|util-linux|flock|has_command flock"
    "build|pkg-config|pkg-config|has_command pkg-config"
    "build|libgtest-dev|gtest/gtest.h|has_header gtest/gtest.h"
    "build|libgmock-dev|gmock/gmock.h|has_header gmock/gmock.h"
    "build|libhidapi-dev|hidapi-hidraw|has_pkg hidapi-hidraw"
    "build|libhidapi-dev|hidapi/hidapi.h|has_header hidapi/hidapi.h"
    "build|libbenchmark-dev|benchmark/benchmark.h|has_header benchmark/benchmark.h"
    # The skin artwork generator.
    "build|libcairo2-dev|cairo|has_pkg cairo"
    "build|libjpeg-dev|libjpeg|has_pkg libjpeg"
    "build|libjpeg-dev|jpeglib.h|has_header jpeglib.h"
    "build|fonts-dejavu-core|DejaVu Sans|has_font 'DejaVu Sans' /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
    # The Windows tree: mingw-w64 and GoogleTest's sources, which it builds itself.
    "build|g++-mingw-w64-x86-64-posix|x86_64-w64-mingw32-g++-posix|has_command x86_64-w64-mingw32-g++-posix"
    "build|gcc-mingw-w64-x86-64-posix|x86_64-w64-mingw32-gcc-posix|has_command x86_64-w64-mingw32-gcc-posix"
    "build|binutils-mingw-w64-x86-64|x86_64-w64-mingw32-windres|has_command x86_64-w64-mingw32-windres"
    "build|googletest|/usr/src/googletest|has_file /usr/src/googletest/CMakeLists.txt"
    # Wine (the scripts run it from Debian's folder), the headless X server, screenshots and clicks.
    "build|wine64|/usr/lib/wine/wine64|has_file /usr/lib/wine/wine64"
    "build|libwine|/usr/lib/wine/wineserver|has_file /usr/lib/wine/wineserver"
    "build|xvfb|xvfb-run|has_command xvfb-run"
    "build|xvfb|Xvfb|has_command Xvfb"
    "build|xauth|xauth|has_command xauth"
    "build|xdotool|xdotool|has_command xdotool"
    "build|x11-utils|xwininfo|has_command xwininfo"
    "build|imagemagick|import|has_command import"
    # The faces the program asks for under Wine: Arial (Liberation Sans) and SimHei (WenQuanYi Micro Hei, an
    # outline face Wine draws whole at the program's small sizes).
    "build|fonts-liberation|Liberation Sans|has_font 'Liberation Sans' /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"
    "build|fonts-wqy-microhei|WenQuanYi Micro Hei|has_font 'WenQuanYi Micro Hei' /usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
    # The packages: the Windows setup program (NSIS) and the portable zip.
    "build|nsis|makensis|has_command makensis"
    "build|zip|zip|has_command zip"
    "build|unzip|unzip|has_command unzip"

    # The fuzzers: the fuzz tree configures the core and the hidapi backend, built with clang.
    "fuzz|cmake|cmake|has_command cmake"
    "fuzz|ninja-build|ninja|has_command ninja"
    "fuzz|pkg-config|pkg-config|has_command pkg-config"
    "fuzz|libhidapi-dev|hidapi-hidraw|has_pkg hidapi-hidraw"
    "fuzz|libhidapi-dev|hidapi/hidapi.h|has_header hidapi/hidapi.h"
    "fuzz|clang|clang|has_command clang"
    "fuzz|clang|clang++|has_command clang++"
    # libclang-rt-dev: the runtimes of Debian's default clang (libclang-rt-14-dev on bookworm).
    "fuzz|libclang-rt-dev|libFuzzer|has_clang_runtime libclang_rt.fuzzer"
    "fuzz|libclang-rt-dev|AddressSanitizer runtime|has_clang_runtime libclang_rt.asan"
    "fuzz|libclang-rt-dev|UndefinedBehaviorSanitizer runtime|has_clang_runtime libclang_rt.ubsan_standalone"

    "format|clang-format|clang-format|has_command clang-format"
)

# ---- which groups -------------------------------------------------------------------------------------

groups=()
[[ $# -eq 0 ]] && groups=(build)
for group in "$@"; do
    case "$group" in
    build | fuzz | format) groups+=("$group") ;;
    all) groups+=(build fuzz format) ;;
    *)
        echo "usage: $0 [build|fuzz|format|all]... (no group: build, what make test and make run need)" >&2
        exit 2
        ;;
    esac
done

wanted() {
    local group
    for group in "${groups[@]}"; do
        [[ "$group" == "$1" ]] && return 0
    done
    return 1
}

# Runs every check of the chosen groups; fills missing_names and missing_packages (each package once).
check_all() {
    missing_names=()
    missing_packages=()
    local entry group package name check seen p
    declare -A seen_name=()
    for entry in "${requirements[@]}"; do
        IFS='|' read -r group package name check <<<"$entry"
        wanted "$group" || continue
        [[ -n "${seen_name[$name]:-}" ]] && continue
        seen_name[$name]=1
        eval "$check" && continue
        missing_names+=("$name")
        seen=0
        for p in "${missing_packages[@]}"; do
            [[ "$p" == "$package" ]] && seen=1
        done
        [[ $seen -eq 1 ]] || missing_packages+=("$package")
    done
}

join() {
    local IFS=,
    local text="$*"
    echo "${text//,/, }"
}

check_all
[[ ${#missing_names[@]} -eq 0 ]] && exit 0

# ---- install what is missing --------------------------------------------------------------------------

if ! has_command apt-get; then
    echo "install-deps: missing $(join "${missing_names[@]}"); apt-get is not available: install them by hand" \
        "(Debian packages: ${missing_packages[*]})" >&2
    exit 1
fi
sudo=""
if [[ $EUID -ne 0 ]]; then
    if ! has_command sudo; then
        echo "install-deps: missing $(join "${missing_names[@]}"); need root or sudo to install" \
            "${missing_packages[*]}" >&2
        exit 1
    fi
    sudo="sudo"
fi

echo "Installing ${missing_packages[*]} (missing: $(join "${missing_names[@]}"))"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing_packages[@]}"

# A package can be there and still not provide what was looked for (a tool of another version first on
# PATH, a clang whose runtimes come from another package): say so rather than fail later in the build.
include_dirs_known=0
include_dirs=()
check_all
if [[ ${#missing_names[@]} -ne 0 ]]; then
    echo "install-deps: still missing after installing: $(join "${missing_names[@]}")" >&2
    exit 1
fi
