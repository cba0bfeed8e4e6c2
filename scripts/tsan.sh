#!/usr/bin/env bash
# ThreadSanitizer over the color wheel's render tests and the stress tests.
# Debian's Qt is not built with ThreadSanitizer: the synchronisation inside
# QThreadPool and QFuture is invisible to it, so the hand-over of each render
# (QtConcurrent::run copying its arguments in, the result store coming back)
# is reported as a race. The run is informative: it lists the distinct
# reports, with Qt's own libraries ignored, and does not fail on them.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bv_need_packages "${bv_base_packages[@]}"

build="${BV_BUILD_DIR:-$bv_root/build-tsan}"
cmake -S "$bv_root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBV_TSAN=ON -DBUILD_TESTING=ON \
    -DBV_BUILD_GALLERY=OFF -DBV_BUILD_DESIGNER_PLUGIN=OFF >/dev/null
cmake --build "$build" -j2 --target tst_bvcolorwheel tst_hardening
export TSAN_OPTIONS="halt_on_error=0 ignore_noninstrumented_modules=1"
export QT_QPA_PLATFORM=offscreen
for test in color/tst_bvcolorwheel stress/tst_hardening; do
    echo "== $test"
    "$build/tests/$test" -silent 2>&1 | grep -E "^(Totals|SUMMARY)" | sort | uniq -c
done
