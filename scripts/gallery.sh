#!/usr/bin/env bash
# Builds and starts the gallery, which shows every control of the library.
# Extra arguments go to the gallery (for example --screenshot DIR).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bv_need_packages "${bv_base_packages[@]}"

build="${BV_BUILD_DIR:-$bv_root/build}"
cmake -S "$bv_root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBV_BUILD_GALLERY=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 --target bvgallery
exec "$build/examples/gallery/bvgallery" "$@"
