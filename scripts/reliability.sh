#!/usr/bin/env bash
# The long reliability campaign (`make reliability`; not part of `make test`):
#
#   1. every fuzz target under libFuzzer for FUZZ_SECONDS (600) each, one after another, at low priority;
#   2. the kill-during-save loop with KILLS (1000) kills;
#   3. the property test with SEQUENCES (10000) random sequences of STEPS (60) operations, restarts among
#      them, running on after a failure to report the first sequence of each kind;
#   4. under Wine, the device-fault matrix, the leak soak and the damaged data folders at their long counts,
#      and WINE_KILLS (200) kills during saves with TerminateProcess.
#
# Each run appends a row (what, how often, result, command) to build/reliability/results.md, the table of
# docs/reliability.md. New fuzz inputs go to build/reliability/corpus/<target>/ and findings to
# build/reliability/findings/; a finding is added to tests/fuzz/corpus/<target>/ by hand, with its fix.
# Builds take the lock file named by BUILD_LOCK, when set, so that they never run beside another build;
# the long runs themselves take no lock.
#
#   scripts/reliability.sh [fuzz|kills|property|wine]...   (no argument: all four)
set -uo pipefail
cd "$(dirname "$0")/.."

FUZZ_SECONDS=${FUZZ_SECONDS:-600}
KILLS=${KILLS:-1000}
WINE_KILLS=${WINE_KILLS:-200}
SEQUENCES=${SEQUENCES:-10000}
STEPS=${STEPS:-60}
out=build/reliability
results=$out/results.md
mkdir -p "$out/findings"

locked() {
    if [[ -n "${BUILD_LOCK:-}" ]]; then
        flock "$BUILD_LOCK" "$@"
    else
        "$@"
    fi
}

row() {
    printf '| %s | %s | %s | `%s` |\n' "$1" "$2" "$3" "$4" | tee -a "$results"
}

# The longest input worth trying for each target: a little over the largest file or report it reads.
max_len() {
    case "$1" in
    ProfileFileFuzz) echo 4096 ;;    # a stored profile is 1893 bytes
    MacroFileFuzz) echo 16384 ;;     # twelve macros of many items
    CliArgumentsFuzz) echo 512 ;;    # a command line
    TextRulesFuzz) echo 128 ;;       # a typed value or a key name
    DeviceReportFuzz) echo 4096 ;;   # an upload's answers and a burst of events
    *) echo 4096 ;;                  # text files of the data folder
    esac
}

# Seconds one input may take before libFuzzer calls it a hang. Every input takes milliseconds; the limit is
# generous because a shared machine can stall a low-priority process for over a minute (two runs here had
# one input "take" 80 s that then ran in 10 ms every time it was tried again).
timeout_of() {
    echo 300
}

run_fuzz() {
    scripts/install-deps.sh fuzz || return 1
    locked bash -c 'cmake --preset fuzz >/dev/null && cmake --build build/fuzz -j2' || return 1
    local binary target log executions findings status started
    for binary in build/fuzz/tests/fuzz/*Fuzz; do
        target=$(basename "$binary")
        mkdir -p "$out/corpus/$target"
        log=$out/$target.log
        started=$SECONDS
        nice -n 19 "$binary" -max_total_time="$FUZZ_SECONDS" -max_len="$(max_len "$target")" -timeout="$(timeout_of "$target")" \
            -print_final_stats=1 -artifact_prefix="$out/findings/$target-" \
            "$out/corpus/$target" "tests/fuzz/corpus/$target" >"$log" 2>&1
        status=$?
        executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
        findings=$(find "$out/findings" -name "$target-*" | wc -l)
        row "libFuzzer $target" "$((SECONDS - started)) s, ${executions:-?} executions" \
            "$([[ $status -eq 0 ]] && echo "no finding" || echo "FINDING ($findings in $out/findings)")" \
            "build/fuzz/tests/fuzz/$target -max_total_time=$FUZZ_SECONDS -max_len=$(max_len "$target") $out/corpus/$target tests/fuzz/corpus/$target"
        [[ $status -eq 0 ]] || failed_fuzz=1
    done
    return ${failed_fuzz:-0}
}

native_programs() {
    scripts/install-deps.sh build || return 1
    locked bash -c 'cmake --preset native >/dev/null && cmake --build build/native -j2 --target corvalith_kill_saves corvalith_profile_property'
}

run_kills() {
    native_programs || return 1
    local log=$out/kills.log
    nice -n 19 build/native/tests/reliability/corvalith_kill_saves --kills "$KILLS" >"$log" 2>&1
    local status=$?
    row "Kills during saves (config<n>.bin, str<n>.ini, str.ini, record.ini)" "$KILLS kills" \
        "$([[ $status -eq 0 ]] && tail -1 "$log" || echo "FAILED: $(tail -2 "$log" | tr '\n' ' ')")" \
        "build/native/tests/reliability/corvalith_kill_saves --kills $KILLS --seed $(sed -n 's/^seed \([0-9]*\).*/\1/p' "$log")"
    return $status
}

run_property() {
    native_programs || return 1
    local log=$out/property.log
    nice -n 19 build/native/tests/reliability/corvalith_profile_property --sequences "$SEQUENCES" --steps "$STEPS" --keep-going >"$log" 2>&1
    local status=$?
    row "Property with restarts: mouse, pointer settings, macro bindings and stored profiles" "$SEQUENCES sequences x $STEPS operations" \
        "$([[ $status -eq 0 ]] && tail -1 "$log" || echo "FAILED: $(grep -c '^seed [0-9]*:' "$log") kinds; first: $(tail -n +2 "$log" | head -1)")" \
        "build/native/tests/reliability/corvalith_profile_property --sequences $SEQUENCES --steps $STEPS --keep-going --seed $(sed -n 's/^seed \([0-9]*\).*/\1/p' "$log")"
    return $status
}

# The program under Wine in Xvfb, through its real window and the virtual mouse, with the long counts
# (CORVALITH_LONG_CAMPAIGN): the device-fault matrix, the leak soak and the damaged data folders.
run_wine() {
    scripts/install-deps.sh build || return 1
    locked make --no-print-directory win64 >/dev/null || return 1
    local test log status
    for test in DeviceFaults.TheProgramOutlivesEveryFaultOfTheMouse \
        LeakSoak.UserActionsAndPlugCyclesLeaveTheCountsWhereTheyWere \
        DataFolder.ADamagedFolderNeitherStopsTheProgramNorCostsTheGoodFiles; do
        log=$out/${test%%.*}.log
        CORVALITH_LONG_CAMPAIGN=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
            cmake/wine-run.sh build/win64/bin/corvalith_win_tests.exe --gtest_filter="$test" >"$log" 2>&1
        status=$?
        row "Under Wine: $test" "$(sed -n 's/^soak: //p' "$log" | head -1)" \
            "$([[ $status -eq 0 ]] && echo "passed" || echo "FAILED (see $log)")" \
            "CORVALITH_LONG_CAMPAIGN=1 xvfb-run -a cmake/wine-run.sh build/win64/bin/corvalith_win_tests.exe --gtest_filter=$test"
        [[ $status -eq 0 ]] || failed_wine=1
    done
    log=$out/kills-wine.log
    cmake/wine-run.sh build/win64/bin/corvalith_kill_saves.exe --kills "$WINE_KILLS" >"$log" 2>&1
    status=$?
    row "Under Wine: kills during saves with TerminateProcess (Win32 file system)" "$WINE_KILLS kills" \
        "$([[ $status -eq 0 ]] && tail -1 "$log" | tr -d '\r' || echo "FAILED: $(tail -2 "$log" | tr '\r\n' '  ')")" \
        "cmake/wine-run.sh build/win64/bin/corvalith_kill_saves.exe --kills $WINE_KILLS --seed $(sed -n 's/^seed \([0-9]*\).*/\1/p' "$log")"
    [[ $status -eq 0 ]] || failed_wine=1
    return ${failed_wine:-0}
}

[[ -f "$results" ]] || printf '| What | How often | Result | Command |\n|---|---|---|---|\n' >"$results"
steps=("$@")
[[ ${#steps[@]} -eq 0 ]] && steps=(fuzz kills property wine)
failed=0
for step in "${steps[@]}"; do
    case "$step" in
    fuzz) run_fuzz || failed=1 ;;
    kills) run_kills || failed=1 ;;
    property) run_property || failed=1 ;;
    wine) run_wine || failed=1 ;;
    *)
        echo "usage: $0 [fuzz|kills|property|wine]..." >&2
        exit 2
        ;;
    esac
done
exit $failed
