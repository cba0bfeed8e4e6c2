#!/usr/bin/env bash
# abi_check.sh BUILD [--update]
# Compares the ABI of the library built in BUILD (RelWithDebInfo: it needs the
# debug information) with the committed baseline of its Qt major, version 1.0,
# using libabigail. An incompatible change fails; a compatible one (an added
# function, say) is shown and passes. --update rewrites the baseline, which is
# only right together with a new SONAME (see the README on the ABI).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
bv_need_packages abigail-tools

build=$1
bv_build_names "$build"
name=$bv_install_name
library=$(find "$build" -maxdepth 1 -name "lib$name.so.*.*" | head -n 1)
baseline="$bv_root/abi/$name.abi.gz"
current="$build/$name.abi"
# Only what the public headers declare counts; no paths, so the file is the
# same from any checkout.
abidw --headers-dir "$bv_root/include" --headers-dir "$build/include" --drop-private-types \
    --drop-undefined-syms --no-show-locs --no-corpus-path --no-comp-dir-path --type-id-style hash \
    --out-file "$current" "$library"
sed -i "s#$bv_root/##g" "$current"
if [ "${2:-}" = --update ]; then
    gzip -9n <"$current" >"$baseline"
    echo "Rewrote $baseline"
    exit 0
fi
gunzip -c "$baseline" >"$build/$name-baseline.abi"
status=0
abidiff --no-show-locs "$build/$name-baseline.abi" "$current" >"$build/$name-abidiff.txt" || status=$?
# abidiff's status is a bit field: 1 error, 2 usage, 4 a change, 8 an incompatible change.
if [ $((status & 3)) != 0 ]; then
    cat "$build/$name-abidiff.txt"
    echo "abidiff could not compare $library with $baseline" >&2
    exit 1
fi
if [ $((status & 8)) != 0 ]; then
    cat "$build/$name-abidiff.txt"
    echo "$library breaks the ABI of $baseline: keep the old interface, or bump the SONAME (README)" >&2
    exit 1
fi
if [ $((status & 4)) != 0 ]; then
    cat "$build/$name-abidiff.txt"
    echo "Compatible ABI changes against $baseline (above)."
else
    echo "ABI of $library matches $baseline."
fi
