#!/usr/bin/env bash
# run.sh WORK SOURCE BUILD...
# Installs each build (a Qt 5 and a Qt 6 one may share the prefix, as a
# distribution ships them) into one scratch prefix and moves the tree, then,
# for each build, builds and runs a consumer against it twice: through
# find_package and through pkg-config. A build configured with a two-level
# library folder (lib/x86_64-linux-gnu) tries a distribution's layout. With
# the Designer plugin installed, a form of every control it offers is built by
# uic and loaded by QUiLoader, with no library or plugin path in the environment.
set -euo pipefail
work=$1
source "$2/scripts/common.sh"
source=$2
shift 2
rm -rf "$work"
mkdir -p "$work"
for build in "$@"; do
    cmake --install "$build" --prefix "$work/staged" >/dev/null
done
# Nothing may keep the prefix it was installed to.
mv "$work/staged" "$work/prefix"

unset LD_LIBRARY_PATH QT_PLUGIN_PATH PKG_CONFIG_PATH
for build in "$@"; do
    bv_build_names "$build"
    major=$bv_qt_major name=$bv_install_name package=$bv_package_name
    echo "== Qt $major: $package, $name"
    consumer="$work/consumer-qt$major"
    plugin=$(find "$work/prefix" -name "lib${name}plugin.so")
    cmake -S "$source/tests/package" -B "$consumer" -DCMAKE_PREFIX_PATH="$work/prefix" \
        -DBV_PACKAGE="$package" ${plugin:+-DBV_DESIGNER_PLUGIN_DIR="$(dirname "$plugin")"} >/dev/null
    cmake --build "$consumer" >/dev/null
    QT_QPA_PLATFORM=offscreen "$consumer/consumer"
    if [ -n "$plugin" ]; then
        QT_QPA_PLATFORM=offscreen "$consumer/form_uic"
        QT_QPA_PLATFORM=offscreen "$consumer/form_loader"
    fi

    export PKG_CONFIG_PATH
    PKG_CONFIG_PATH=$(dirname "$(find "$work/prefix" -name "$name.pc")")
    # shellcheck disable=SC2046 # pkg-config's flags are meant to split
    g++ -std=c++17 -fPIC "$source/tests/package/main.cpp" -o "$consumer/consumer-pc" \
        $(pkg-config --cflags --libs "$name") -Wl,-rpath,"$(pkg-config --variable=libdir "$name")"
    QT_QPA_PLATFORM=offscreen "$consumer/consumer-pc"
    unset PKG_CONFIG_PATH
done
