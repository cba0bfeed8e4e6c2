#!/usr/bin/env bash
# deb_check.sh WORK BUILD...
# Makes the Debian packages of each build (cpack; a build configured with
# CMAKE_INSTALL_LIBDIR=lib/<multiarch>), checks them with lintian (an error
# fails), unpacks them all into one scratch root and builds and runs the
# package test's consumers against it, each showing that the library and
# plugin it loaded came from that root, and Debian's python3 imports the PyQt
# modules (packaged when scripts/python.sh built them) from that root too. The
# machine's installed packages are left alone.
#   BV_TEST_APT=1  then also installs the packages with apt (a Qt 5 and a Qt 6
#                  build's side by side), runs the consumers against /usr,
#                  imports the PyQt modules in a plain /usr/bin/python3 and
#                  removes them again, on failure too; skipped, and said so,
#                  when any of our packages is already installed, so nothing a
#                  user installed is ever removed.
# Package files and lintian's report stay in WORK.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
work=$1
shift
bv_need_packages lintian dpkg-dev file
multiarch=$(gcc -dumpmachine)
rm -rf "$work"
mkdir -p "$work"

# python_import ROOT [ENV...]: Debian's python3, with the environment given,
# imports each PyQt module the packages hold and shows that the module and
# the library it loaded came from ROOT.
python_import() {
    local root=$1 major
    shift
    for major in 5 6; do
        [ -e "$work/root/usr/lib/python3/dist-packages/PyQt$major/BVWidgets.abi3.so" ] || continue
        env "$@" /usr/bin/python3 - "$major" "$root" <<'EOF'
import importlib, os, sys
major, root = sys.argv[1], os.path.realpath(sys.argv[2]) + "/"
# PyQt's package spans every PyQtN folder on the path; the root's comes first, as in the tests.
importlib.import_module("PyQt" + major).__path__.sort(key=lambda p: not os.path.realpath(p).startswith(root))
module = os.path.realpath(importlib.import_module("PyQt%s.BVWidgets" % major).__file__)
library = [line.split()[-1] for line in open("/proc/self/maps") if "/libbvwidgets" in line][0]
print("PyQt%s.BVWidgets: %s, library %s" % (major, module, library))
if not module.startswith(root) or not library.startswith(root):
    sys.exit("not both from " + root)
EOF
    done
}

debs=()
for build in "$@"; do
    bv_build_names "$build"
    if [ "$bv_libdir" != "lib/$multiarch" ]; then
        echo "$build: the packages install to /usr/lib/$multiarch; configure with -DCMAKE_INSTALL_LIBDIR=lib/$multiarch" >&2
        exit 1
    fi
    out="$work/qt$bv_qt_major"
    echo "== cpack -G DEB ($build)"
    cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1 || { cat "$out.log"; exit 1; }
    debs+=("$out"/*.deb)
done

echo "== lintian"
lintian --fail-on error "${debs[@]}" 2>&1 | tee "$work/lintian.txt"

packages=()
for deb in "${debs[@]}"; do
    packages+=("$(dpkg-deb -f "$deb" Package)")
    dpkg-deb -c "$deb" >"${deb%.deb}.contents"
    dpkg-deb -x "$deb" "$work/root"
done
echo "== The packages unpacked into $work/root: consumers"
"$bv_root/tests/package/consume.sh" "$work/consumers-root" "$work/root/usr" "$bv_root" "$@"
python_import "$work/root/usr" PYTHONPATH="$work/root/usr/lib/python3/dist-packages" \
    LD_LIBRARY_PATH="$work/root/usr/lib/$multiarch"

[ "${BV_TEST_APT:-0}" = 1 ] || exit 0
# Any state but "not installed" or "config files left" counts as installed. The
# Python packages count even when this run made none: they depend on the library.
installed=$(dpkg-query -W -f='${Package} ${db:Status-Abbrev}\n' "${packages[@]}" \
    python3-pyqt{5,6}.bvwidgets pyqt{5,6}.bvwidgets-dev 2>/dev/null |
    awk 'substr($2, 2, 1) !~ /[nc]/ { print $1 }' || true)
if [ -n "$installed" ]; then
    echo "== Skipping the apt round: already installed here, and left so: $(echo $installed)"
    exit 0
fi
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
remove() {
    # Only what this run installed: none of these was installed before it.
    local now
    now=$(dpkg-query -W -f='${Package} ${db:Status-Abbrev}\n' "${packages[@]}" 2>/dev/null |
        awk 'substr($2, 2, 1) != "n" { print $1 }' || true)
    [ -z "$now" ] && return 0
    # shellcheck disable=SC2086 # one package name a line
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout="$bv_apt_lock_wait" \
        purge -y -qq $now >/dev/null
}
trap remove EXIT
echo "== apt-get install ${packages[*]}"
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout="$bv_apt_lock_wait" \
    install -y -qq --no-install-recommends "${debs[@]}" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; exit 1; }
"$bv_root/tests/package/consume.sh" "$work/consumers" /usr "$bv_root" "$@"
python_import /usr -u PYTHONPATH -u LD_LIBRARY_PATH
