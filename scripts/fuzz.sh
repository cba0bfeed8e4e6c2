#!/usr/bin/env bash
# fuzz.sh [--grow] SECONDS
# Fuzzes BVColorWidget::Restore with libFuzzer for SECONDS (60 by default),
# starting from the corpus kept in tests/fuzz/corpus, so every run begins
# where the last grown one ended. A plain run (the test command's minute)
# works on a copy in the build folder. With --grow it runs on both cores and
# then merges what it found into tests/fuzz/corpus, minimised (-merge=1: only
# inputs that reach code no other input reaches are kept); commit the result.
#   BV_BUILD_DIR  the test build beside which the fuzz build lives (build-test)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
grow=0
if [ "${1:-}" = --grow ]; then
    grow=1
    shift
fi
seconds=${1:-60}
bv_need_packages clang libclang-rt-14-dev
fuzz="${BV_BUILD_DIR:-$bv_root/build-test}-fuzz"
kept="$bv_root/tests/fuzz/corpus"
echo "== Fuzz BVColorWidget::Restore for $seconds s from $(ls "$kept" | wc -l) kept inputs ($fuzz)"
bv_configure fuzz "$fuzz"
cmake --build "$fuzz" -j2 --target fuzz_restore
target="$fuzz/tests/fuzz/fuzz_restore"
corpus="$fuzz/corpus"
mkdir -p "$corpus"
cp "$kept"/* "$corpus/"
export LSAN_OPTIONS="suppressions=$bv_root/tests/support/lsan.supp:print_suppressions=0"
parallel=()
[ "$grow" = 1 ] && parallel=(-fork=2)
status=0
(cd "$fuzz" && "$target" "$corpus" "${parallel[@]}" -max_total_time="$seconds" \
    -print_final_stats=1 >"$fuzz/fuzz.log" 2>&1) || status=$?
grep -E "DONE|stat::(number_of_executed_units|average_exec_per_sec)|INFO: exiting" "$fuzz/fuzz.log" || true
if [ "$status" -ne 0 ]; then
    tail -n 60 "$fuzz/fuzz.log"
    exit "$status"
fi
if [ "$grow" = 1 ]; then
    merged="$fuzz/merged"
    rm -rf "$merged"
    mkdir -p "$merged"
    "$target" -merge=1 "$merged" "$corpus" >"$fuzz/merge.log" 2>&1 || { tail -n 30 "$fuzz/merge.log"; exit 1; }
    grep -E "MERGE-OUTER: [0-9]+ new files" "$fuzz/merge.log" || true
    rm -f "$kept"/*
    cp "$merged"/* "$kept/"
    echo "tests/fuzz/corpus: $(ls "$kept" | wc -l) inputs, $(du -sk "$kept" | cut -f1) KiB"
fi
