#!/usr/bin/env bash
# consume.sh WORK PREFIX SOURCE BUILD...
# For each build, builds and runs a consumer of its copy installed under PREFIX
# (a scratch tree, or /usr from the Debian packages) twice: through
# find_package and through pkg-config. When the build has the Designer plugin,
# a form of every control it offers is built by uic and loaded by QUiLoader
# through the installed plugin, with no library or plugin path in the environment.
# Each run shows which copy of the library (and plugin) it loaded; all must lie
# under PREFIX, so a copy installed elsewhere on the machine cannot stand in.
set -euo pipefail
work=$1 prefix=$2 source=$3
source "$source/scripts/common.sh"
shift 3
mkdir -p "$work"
unset LD_LIBRARY_PATH QT_PLUGIN_PATH PKG_CONFIG_PATH
real_prefix=$(realpath "$prefix")

# run [plugin] PROGRAM: runs a consumer offscreen and checks what the loader
# initialised of ours (glibc's LD_DEBUG), the Designer plugin too when asked.
run() {
    local want_plugin=0 log="$work/ld" file found=0
    [ "$1" = plugin ] && want_plugin=1 && shift
    rm -f "$log".*
    QT_QPA_PLATFORM=offscreen LD_DEBUG=files LD_DEBUG_OUTPUT="$log" "$1"
    for file in $(sed -n 's/.*calling init: \(.*\/libbvwidgets[^/]*\)$/\1/p' "$log".* | sort -u); do
        case $(realpath "$file") in
            "$real_prefix"/*) echo "  loaded $file" ;;
            *) echo "$1 loaded $file, not the copy under $prefix" >&2 && exit 1 ;;
        esac
        case $file in *plugin.so) found=$((found | 2)) ;; *) found=$((found | 1)) ;; esac
    done
    if [ "$found" != $((1 + 2 * want_plugin)) ]; then
        echo "$1 did not load what it should of ours (library, and plugin: $want_plugin)" >&2
        exit 1
    fi
}
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
    run "$consumer/consumer"
    if [ -n "$plugin" ]; then
        run "$consumer/form_uic"
        run plugin "$consumer/form_loader"
    fi

    export PKG_CONFIG_PATH=$libdir/pkgconfig
    # shellcheck disable=SC2046 # pkg-config's flags are meant to split
    g++ -std=c++17 -fPIC "$source/tests/package/main.cpp" -o "$consumer/consumer-pc" \
        $(pkg-config --cflags --libs "$name") -Wl,-rpath,"$(pkg-config --variable=libdir "$name")"
    run "$consumer/consumer-pc"
    unset PKG_CONFIG_PATH
done
