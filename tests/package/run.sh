#!/usr/bin/env bash
# Installs the built library into a scratch prefix and moves the tree, then
# builds and runs a consumer against it twice: through find_package and through
# pkg-config (run it from a build with a two-level library folder, such as
# lib/x86_64-linux-gnu, to try a distribution's layout). With
# the Designer plugin installed, a form of every control it offers is built by
# uic and loaded by QUiLoader, with no library or plugin path in the environment.
set -euo pipefail
build=$1
source=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
# Nothing may keep the prefix it was installed to.
cmake --install "$build" --prefix "$work/staged" >/dev/null
mv "$work/staged" "$work/prefix"

unset LD_LIBRARY_PATH QT_PLUGIN_PATH
plugin=$(find "$work/prefix" -name libbvwidgetsplugin.so)
cmake -S "$source/tests/package" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$work/prefix" \
    ${plugin:+-DBV_DESIGNER_PLUGIN_DIR="$(dirname "$plugin")"} >/dev/null
cmake --build "$work/consumer" >/dev/null
QT_QPA_PLATFORM=offscreen "$work/consumer/consumer"
if [ -n "$plugin" ]; then
    QT_QPA_PLATFORM=offscreen "$work/consumer/form_uic"
    QT_QPA_PLATFORM=offscreen "$work/consumer/form_loader"
fi

libdir=$(dirname "$(find "$work/prefix" -name bvwidgets.pc)")
export PKG_CONFIG_PATH="$libdir"
g++ -std=c++17 -fPIC "$source/tests/package/main.cpp" -o "$work/consumer-pc" \
    $(pkg-config --cflags --libs bvwidgets) -Wl,-rpath,"$(pkg-config --variable=libdir bvwidgets)"
QT_QPA_PLATFORM=offscreen "$work/consumer-pc"
