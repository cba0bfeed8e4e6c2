#!/usr/bin/env bash
# ThreadSanitizer over everything that runs the wheel's renders: the wheel,
# the panel around it, quitting with renders in flight, wheels destroyed mid-render, and
# a canary proving that a race outside the render hand-over is still caught.
# Any report fails the run. Extra arguments go to ctest.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bv_need_packages "${bv_base_packages[@]}" xvfb xauth xkb-data

build="${BV_BUILD_DIR:-$bv_root/build-tsan}"
bv_configure "$([ "${BV_QT_MAJOR:-5}" = 6 ] && echo qt6-tsan || echo tsan)" "$build"
cmake --build "$build" -j2 --target tst_bvcolorwheel bvcolorwheel_exit tst_bvcolorwidget handover_canary
# Qt is not built with the sanitizer: its own memory accesses are not checked,
# and races wholly inside Qt are suppressed (tests/support/tsan.supp).
export TSAN_OPTIONS="ignore_noninstrumented_modules=1 halt_on_error=0 exitcode=66 suppressions=$bv_root/tests/support/tsan.supp"
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 \
    -R '^tst_(bvcolorwheel|bvcolorwidget|handover)' "$@")
