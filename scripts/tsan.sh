#!/usr/bin/env bash
# ThreadSanitizer over the color wheel's tests, whose renders run in the pool.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bv_need_packages "${bv_base_packages[@]}"

build="${BV_BUILD_DIR:-$bv_root/build-tsan}"
cmake -S "$bv_root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBV_TSAN=ON -DBUILD_TESTING=ON \
    -DBV_BUILD_GALLERY=OFF -DBV_BUILD_DESIGNER_PLUGIN=OFF >/dev/null
cmake --build "$build" -j2 --target tst_bvcolorwheel tst_hardening
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$bv_root/tests/support/tsan.supp"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -R 'tst_bvcolorwheel$|tst_bvcolorwheel_hidpi|tst_hardening'
