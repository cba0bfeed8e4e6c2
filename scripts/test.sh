#!/usr/bin/env bash
# Builds the library and runs every test: offscreen, at device pixel ratio 2,
# under Xvfb for what needs a real window system, the installed-package and
# Designer plugin checks, the PyQt module's Python tests, the Debian packages
# (lintian, unpacked into a scratch root; installed with apt and removed again
# only with BV_TEST_APT=1), then the whole suite again with AddressSanitizer
# and UndefinedBehaviorSanitizer, the render tests with ThreadSanitizer, and a
# minute of fuzzing; first it checks the sources against .clang-format. Does
# its own set-up. Extra arguments go to ctest.
#   BV_SKIP_SANITIZE=1  skip the AddressSanitizer pass (quicker local runs)
#   BV_SKIP_TSAN=1      skip the ThreadSanitizer pass
#   BV_SKIP_FUZZ=1      skip the 60-second fuzzing of the panel's saved state
#   BV_TEST_QT6=1       after the Qt 5 passes, build and test against Qt 6 too
#   BV_TEST_APT=1       also install the Debian packages with apt (skipped when
#                       any of ours is installed already; CI sets it)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bv_need_packages "${bv_base_packages[@]}" xvfb xauth xkb-data clang-format

echo "== Source format (.clang-format)"
(cd "$bv_root" && find color input containers include utils compat designer examples bench fixtures tests \
    -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run --Werror)

build="${BV_BUILD_DIR:-$bv_root/build-test}"
echo "== Build and test ($build)"
# Installed as a Debian system would: the package test installs in this layout.
multiarch_libdir="lib/$(gcc -dumpmachine)"
bv_configure test "$build" -DCMAKE_INSTALL_LIBDIR="$multiarch_libdir"
cmake --build "$build" -j2
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 "$@")
echo "== PyQt5.BVWidgets: build and Python tests"
"$bv_root/scripts/python.sh" "$build"
echo "== ABI against the 1.0 baseline (exports were checked by the build)"
"$bv_root/scripts/abi_check.sh" "$build"
echo "== Debian packages: lintian, consumers against the unpacked packages (apt round with BV_TEST_APT=1)"
"$bv_root/scripts/deb_check.sh" "$build/deb-check" "$build"
echo "== Gallery screenshots with no display"
rm -rf "$build/screenshots"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM BV_BUILD_DIR="$build" \
    "$bv_root/scripts/gallery.sh" --screenshot "$build/screenshots" >/dev/null 2>&1
ls "$build/screenshots/color-panel.png" "$build/screenshots/wizard.png"

if [ "${BV_SKIP_SANITIZE:-0}" != 1 ]; then
    asan="$build-asan"
    echo "== Build and test with AddressSanitizer + UndefinedBehaviorSanitizer ($asan)"
    bv_configure asan "$asan"
    cmake --build "$asan" -j2
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$bv_root/tests/support/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    # The package test installs and links an uninstrumented consumer: not useful here.
    (cd "$asan" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 -LE package "$@")
fi
if [ "${BV_SKIP_TSAN:-0}" != 1 ]; then
    echo "== Render tests with ThreadSanitizer ($build-tsan)"
    BV_BUILD_DIR="$build-tsan" "$bv_root/scripts/tsan.sh" "$@"
fi
if [ "${BV_SKIP_FUZZ:-0}" != 1 ]; then
    BV_BUILD_DIR="$build" "$bv_root/scripts/fuzz.sh" "${BV_FUZZ_SECONDS:-60}"
fi
if [ "${BV_TEST_QT6:-0}" = 1 ]; then
    bv_need_packages "${bv_qt6_packages[@]}"
    qt6="$build-qt6"
    echo "== Build and test against Qt 6 ($qt6)"
    bv_configure qt6 "$qt6" -DCMAKE_INSTALL_LIBDIR="$multiarch_libdir"
    cmake --build "$qt6" -j2
    (cd "$qt6" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 "$@")
    echo "== PyQt6.BVWidgets: build and Python tests"
    "$bv_root/scripts/python.sh" "$qt6"
    "$bv_root/scripts/abi_check.sh" "$qt6"
    echo "== The Qt 5 and Qt 6 builds installed side by side, a consumer of each"
    "$bv_root/tests/package/run.sh" "$qt6/package-both" "$bv_root" "$build" "$qt6"
    echo "== The Debian packages of both builds side by side"
    "$bv_root/scripts/deb_check.sh" "$qt6/deb-check" "$build" "$qt6"
    if [ "${BV_SKIP_TSAN:-0}" != 1 ]; then
        # Qt 6 builds its tasks differently (moves, a tuple of arguments).
        echo "== Render tests with ThreadSanitizer against Qt 6 ($qt6-tsan)"
        BV_QT_MAJOR=6 BV_BUILD_DIR="$qt6-tsan" "$bv_root/scripts/tsan.sh" "$@"
    fi
fi
echo "== All tests passed"
"$bv_root/scripts/test_ratio.sh"
