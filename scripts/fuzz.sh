#!/bin/sh
# Fuzzes CMM Points' fuzz targets with clang's libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and adds what they find to fuzz/corpus/, minimised by libFuzzer's
# merge. Findings (crash-*, leak-*, timeout-* inputs) are kept in the build folder and named at
# the end; the script then exits with 1.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS per target (default 600); targets: number_text point_line value press (default all).
# Two targets run at a time (CMM_POINTS_FUZZ_JOBS), at low priority since the machine is shared.
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${CMM_POINTS_FUZZ_BUILD_DIR:-$root/build-fuzz}"
jobs="${CMM_POINTS_FUZZ_JOBS:-2}"
seconds="${1:-600}"
[ $# -gt 0 ] && shift
targets="${*:-number_text point_line value press}"

"$root/scripts/setup.sh"
# The fuzzing engine and the sanitizers' runtime come with clang.
for package in clang-14 libclang-rt-14-dev; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        as_root=""
        [ "$(id -u)" -eq 0 ] || as_root="sudo"
        $as_root apt-get update
        DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y clang-14 libclang-rt-14-dev
        break
    fi
done

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$flags" -DCMM_POINTS_BACKEND=standin -DCMM_POINTS_BUILD_APP=OFF \
    -DCMM_POINTS_BUILD_TESTS=OFF -DCMM_POINTS_FUZZ_ENGINE=ON
for target in $targets; do
    cmake --build "$build" --target "fuzz_$target" -j"$jobs"
done

# Fuzzes one target, then merges seeds, corpus and new finds into a minimal corpus: the fewest
# inputs that reach every edge the seeds do not (edges only, not how often each is taken, which
# keeps the corpus small).
fuzz_one() {
    target=$1
    fuzzer="$build/fuzz/fuzz_$target"
    seeds="$root/fuzz/seeds/$target"
    corpus="$root/fuzz/corpus/$target"
    work="$build/runs/$target"
    rm -rf "$work"
    mkdir -p "$work/new" "$work/merged" "$work/findings" "$corpus"
    nice -n 10 "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -max_len=512 \
        -artifact_prefix="$work/findings/" "$work/new" "$corpus" "$seeds" >"$work/fuzz.log" 2>&1 ||
        true
    nice -n 10 "$fuzzer" -merge=1 -use_counters=0 "$work/merged" "$seeds" "$corpus" "$work/new" \
        >"$work/merge.log" 2>&1
    # What the seeds already hold stays out of the corpus.
    for seed in "$seeds"/*; do
        rm -f "$work/merged/$(sha1sum <"$seed" | cut -d' ' -f1)"
    done
    rm -f "$corpus"/*
    cp "$work/merged"/* "$corpus"/ 2>/dev/null || true

    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/fuzz.log")
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$work/fuzz.log" | tail -n 1)
    findings=$(ls "$work/findings" | wc -l)
    echo "$target: ${executions:-?} executions, $coverage, corpus $(ls "$corpus" | wc -l) inputs" \
        "beside $(ls "$seeds" | wc -l) seeds, $findings findings" >"$work/summary"
}

running=0
for target in $targets; do
    fuzz_one "$target" &
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        wait
        running=0
    fi
done
wait

status=0
for target in $targets; do
    cat "$build/runs/$target/summary"
    for finding in "$build/runs/$target/findings"/*; do
        [ -e "$finding" ] || continue
        echo "  finding: $finding (replay: $build/fuzz/fuzz_$target $finding)"
        status=1
    done
done
exit $status
