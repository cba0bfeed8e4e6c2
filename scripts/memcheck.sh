#!/usr/bin/env bash
# valgrind memcheck over the tests that do not lean on the thread pool or a
# real window system (invalid reads, writes, uses of uninitialised memory).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bv_need_packages "${bv_base_packages[@]}" valgrind

build="${BV_BUILD_DIR:-$bv_root/build-test}"
bv_configure test "$build"
cmake --build "$build" -j2
status=0
for test in containers/tst_bvwizard containers/tst_bvsplitter input/tst_easyslider \
    color/tst_bvcolorcontrol color/tst_bvcoloreditor color/tst_bvcolorwidget; do
    echo "== $test"
    QT_QPA_PLATFORM=offscreen valgrind --quiet --error-exitcode=1 --leak-check=no \
        "$build/tests/$test" -silent || status=1
done
exit $status
