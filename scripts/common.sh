# Shared by the set-up scripts: installs missing Debian packages.
bv_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Seconds every apt call waits for the package lock held by another apt
# (a machine updating itself) before it gives up.
bv_apt_lock_wait=${BV_APT_LOCK_WAIT:-600}

bv_need_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get -o DPkg::Lock::Timeout="$bv_apt_lock_wait" update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout="$bv_apt_lock_wait" \
        install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures build folder $2 from preset $1 of CMakePresets.json (the builds
# an IDE offers); further arguments are extra cache settings.
bv_configure() {
    local preset=$1 build=$2
    shift 2
    (cd "$bv_root" && cmake --preset "$preset" -B "$build" "$@" >/dev/null)
}

# The names build folder $1 installs under, as CMakeLists.txt gives them:
# bv_qt_major, bv_install_name (library, pkg-config, headers), bv_package_name (CMake),
# bv_libdir (CMAKE_INSTALL_LIBDIR, relative to the prefix unless absolute).
bv_build_names() {
    bv_qt_major=$(sed -n 's/^BV_QT_MAJOR:STRING=//p' "$1/CMakeCache.txt")
    bv_libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$1/CMakeCache.txt")
    if [ "$bv_qt_major" = 5 ]; then
        bv_install_name=bvwidgets bv_package_name=BVWidgets
    else
        bv_install_name=bvwidgets-qt$bv_qt_major bv_package_name=BVWidgetsQt$bv_qt_major
    fi
}

bv_base_packages=(cmake make g++ pkg-config qtbase5-dev qttools5-dev qttools5-dev-tools libqt5svg5-dev qtbase5-private-dev)
# Qt 6 build. The tools packages bring Designer's plugin interface and QUiLoader, whose
# CMake package also wants the OpenGL module's development files.
bv_qt6_packages=(qt6-base-dev qt6-base-private-dev qt6-tools-dev libqt6opengl6-dev qt6-l10n-tools libgl-dev)
# The PyQt modules' build tools; scripts/python.sh adds the PyQt of the build's Qt.
bv_python_packages=(sip-tools python3-pyqtbuild)
