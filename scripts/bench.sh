#!/usr/bin/env bash
# Builds the benchmarks and runs them offscreen, at device pixel ratio 1 and
# then 2. Does its own set-up. Extra arguments go to bvbench (for example
# --benchmark_filter='WheelDrag|DrawImage').
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bv_need_packages "${bv_base_packages[@]}" libbenchmark-dev

build="${BV_BUILD_DIR:-$bv_root/build-bench}"
bv_configure bench "$build"
cmake --build "$build" -j2 --target bvbench
for scale in 1 2; do
    echo "== QT_SCALE_FACTOR=$scale"
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale "$build/bench/bvbench" --benchmark_color=false "$@"
done
