#!/usr/bin/env bash
# deb_check.sh WORK BUILD...
# Makes the Debian packages of each build (cpack; a build configured with
# CMAKE_INSTALL_LIBDIR=lib/<multiarch>), checks them with lintian (an error
# fails), installs them all at once with apt (a Qt 5 and a Qt 6 build's
# packages side by side), builds and runs the package test's consumers against
# /usr, and removes the packages again, on failure too. Package files and
# lintian's report stay in WORK.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
work=$1
shift
bv_need_packages lintian dpkg-dev file
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
multiarch=$(gcc -dumpmachine)
rm -rf "$work"
mkdir -p "$work"

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
done
remove() {
    local installed
    installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null |
        sed -n 's/ install ok installed$//p; s/ deinstall ok config-files$//p' || true)
    [ -z "$installed" ] && return 0
    # shellcheck disable=SC2086 # one package name a line
    DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq $installed >/dev/null
}
# A copy left by an earlier run would be kept as "already the newest version".
remove
trap remove EXIT
echo "== apt-get install ${packages[*]}"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${debs[@]}" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; exit 1; }
"$bv_root/tests/package/consume.sh" "$work/consumers" /usr "$bv_root" "$@"
