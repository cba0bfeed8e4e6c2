#!/usr/bin/env bash
# Installs the built library into a scratch prefix, then builds and runs a
# consumer against it twice: through find_package and through pkg-config.
set -euo pipefail
build=$1
source=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$work/prefix" >/dev/null

cmake -S "$source/tests/package" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/consumer" >/dev/null
QT_QPA_PLATFORM=offscreen "$work/consumer/consumer"

libdir=$(dirname "$(find "$work/prefix" -name bvwidgets.pc)")
export PKG_CONFIG_PATH="$libdir"
g++ -std=c++17 -fPIC "$source/tests/package/main.cpp" -o "$work/consumer-pc" \
    $(pkg-config --cflags --libs bvwidgets) -Wl,-rpath,"$(pkg-config --variable=libdir bvwidgets)"
QT_QPA_PLATFORM=offscreen "$work/consumer-pc"
