#!/usr/bin/env bash
# consume.sh WORK PREFIX SOURCE BUILD...
# For each build, builds and runs a consumer of its copy installed under PREFIX
# (a scratch tree, or /usr from the Debian packages) twice: through
# find_package and through pkg-config. When the build has the Designer plugin,
# a form of every control it offers is built by uic and loaded by QUiLoader
# through the installed plugin, with no library or plugin path in the environment.
set -euo pipefail
work=$1 prefix=$2 source=$3
source "$source/scripts/common.sh"
shift 3
mkdir -p "$work"
unset LD_LIBRARY_PATH QT_PLUGIN_PATH PKG_CONFIG_PATH
for build in "$@"; do
    bv_build_names "$build"
    major=$bv_qt_major name=$bv_install_name package=$bv_package_name
    echo "== Qt $major: $package, $name (in $prefix)"
    case $bv_libdir in
        /*) libdir=$bv_libdir ;;
        *) libdir=$prefix/$bv_libdir ;;
    esac
    plugin=""
    if [ -e "$build/designer/lib${name}plugin.so" ]; then
        plugin=$libdir/qt$major/plugins/designer/lib${name}plugin.so
        [ -e "$plugin" ] || { echo "The Designer plugin is not installed: $plugin" >&2; exit 1; }
    fi
    consumer="$work/consumer-qt$major"
    rm -rf "$consumer"
    cmake -S "$source/tests/package" -B "$consumer" -DCMAKE_PREFIX_PATH="$prefix" \
        -DBV_PACKAGE="$package" ${plugin:+-DBV_DESIGNER_PLUGIN_DIR="$(dirname "$plugin")"} >/dev/null
    cmake --build "$consumer" >/dev/null
    QT_QPA_PLATFORM=offscreen "$consumer/consumer"
    if [ -n "$plugin" ]; then
        QT_QPA_PLATFORM=offscreen "$consumer/form_uic"
        QT_QPA_PLATFORM=offscreen "$consumer/form_loader"
    fi

    export PKG_CONFIG_PATH=$libdir/pkgconfig
    # shellcheck disable=SC2046 # pkg-config's flags are meant to split
    g++ -std=c++17 -fPIC "$source/tests/package/main.cpp" -o "$consumer/consumer-pc" \
        $(pkg-config --cflags --libs "$name") -Wl,-rpath,"$(pkg-config --variable=libdir "$name")"
    QT_QPA_PLATFORM=offscreen "$consumer/consumer-pc"
    unset PKG_CONFIG_PATH
done
