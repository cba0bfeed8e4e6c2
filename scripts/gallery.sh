#!/usr/bin/env bash
# Builds and starts the gallery, which shows every control of the library.
# Extra arguments go to the gallery (for example --screenshot DIR). Without a
# display, --screenshot renders on the offscreen platform.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    headless=0
    for arg in "$@"; do
        case "$arg" in
        --screenshot | --screenshot=* | -h | --help | --help-all | -v | --version) headless=1 ;;
        esac
    done
    if [ "$headless" = 0 ]; then
        echo "No display to show the gallery on: run $0 --screenshot DIR to write each page to DIR/<page>.png instead." >&2
        exit 1
    fi
    # Nothing is shown on screen, so the offscreen platform does as well as a real one.
    export QT_QPA_PLATFORM=offscreen
fi

bv_need_packages "${bv_base_packages[@]}"

build="${BV_BUILD_DIR:-$bv_root/build}"
# A build folder handed over (the test command's) keeps its own settings.
[ -f "$build/CMakeCache.txt" ] || bv_configure default "$build"
cmake --build "$build" -j2 --target bvgallery
exec "$build/examples/gallery/bvgallery" "$@"
