#!/usr/bin/env bash
# python.sh BUILD
# Builds the PyQt module of library build BUILD's Qt major (PyQt5.BVWidgets or
# PyQt6.BVWidgets) with sip-install against that build, into BUILD/python/site
# in the layout of Debian's dist-packages (module, type hints, .sip files; the
# Debian packages are made from there), then runs tests/python on it with
# Debian's /usr/bin/python3 on the offscreen platform. The module is rebuilt
# only when python/ or the public headers changed. Does its own set-up.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build=$(cd "$1" && pwd)
bv_build_names "$build"
major=$bv_qt_major
bv_need_packages "${bv_python_packages[@]}" "pyqt$major-dev" "python3-pyqt$major"

site="$build/python/site"
stamp="$build/python/built"
# Debian's interpreter sees Debian's PyQt; the first python3 on PATH may not.
python=/usr/bin/python3
export PYTHONDONTWRITEBYTECODE=1
if [ ! -e "$stamp" ] || [ -n "$(find "$bv_root/python" "$bv_root/include" "$build/include" -newer "$stamp" | head -n 1)" ]; then
    rm -rf "$build/python"
    mkdir -p "$build/python"
    start=$SECONDS
    (cd "$bv_root/python" && "$python" /usr/bin/sip-install --qmake "/usr/lib/qt$major/bin/qmake" \
        --build-dir "$build/python/build" --target-dir "$site" --jobs 2 \
        --bv-include-dir "$bv_root/include" --bv-include-dir "$build/include" --bv-library-dir "$build" \
        >"$build/python/build.log" 2>&1) || { cat "$build/python/build.log"; exit 1; }
    touch "$stamp"
    echo "PyQt$major.BVWidgets built in $((SECONDS - start)) s"
fi
(cd "$bv_root/tests/python" && QT_QPA_PLATFORM=offscreen BV_PYQT=$major PYTHONPATH="$site" \
    LD_LIBRARY_PATH="$build${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" "$python" -m unittest -v 2>&1)
