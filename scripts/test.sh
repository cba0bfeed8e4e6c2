#!/usr/bin/env bash
# Builds the library and runs every test: offscreen, at device pixel ratio 2,
# and under Xvfb for what needs a real window system. Does its own set-up.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bv_need_packages "${bv_base_packages[@]}" xvfb xauth xkb-data

build="${BV_BUILD_DIR:-$bv_root/build-test}"
cmake -S "$bv_root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBV_WERROR=ON \
    -DBUILD_TESTING=ON -DBV_BUILD_GALLERY=ON >/dev/null
cmake --build "$build" -j2
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 "$@"
