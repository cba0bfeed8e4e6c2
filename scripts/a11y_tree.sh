#!/usr/bin/env bash
# Starts the gallery under Xvfb with an AT-SPI bus and registry of its own and
# prints what a Linux screen reader finds in it: role, name, description,
# value and text of every accessible object. Extra arguments go to the gallery
# (for example --lang de).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bv_need_packages "${bv_base_packages[@]}" xvfb xauth at-spi2-core python3-pyatspi dbus
build="${BV_BUILD_DIR:-$bv_root/build}"
bv_configure default "$build"
cmake --build "$build" -j2 --target bvgallery >/dev/null

runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime" BV_GALLERY="$build/examples/gallery/bvgallery"
cat >"$runtime/session.sh" <<'SH'
# Started by hand, as a desktop session does: Qt needs the accessibility bus
# up before it asks for it. Calls before the launcher owns its name would
# start a second one.
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >/dev/null 2>&1 &
for _ in $(seq 50); do
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner org.a11y.Bus | grep -q true && break
    sleep 0.2
done
address=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus --method org.a11y.Bus.GetAddress)
address=${address#"('"}
address=${address%"',)"}
gdbus call --address "$address" --dest org.a11y.atspi.Registry --object-path /org/a11y/atspi/registry \
    --method org.freedesktop.DBus.Peer.Ping >/dev/null
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$BV_GALLERY" "$@" >/dev/null 2>&1 &
gallery=$!
# The reader side caches the list of applications on its first look: wait
# until the gallery is on it.
for _ in $(seq 50); do
    gdbus call --address "$address" --dest org.a11y.atspi.Registry --object-path /org/a11y/atspi/accessible/root \
        --method org.a11y.atspi.Accessible.GetChildren | grep -q "':" && break
    sleep 0.2
done
sleep 1
status=0
/usr/bin/python3 "$(dirname "$0")/tree.py" || status=$?
kill $gallery
exit $status
SH
cat >"$runtime/tree.py" <<'PY'
import sys
import pyatspi

def find_gallery():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "BVWidgets gallery":
            return app
    print("the gallery is not on the accessibility bus (yet)", file=sys.stderr)
    sys.exit(3)

def show(node, depth):
    line = "  " * depth + "%s %r" % (node.getRoleName(), node.name)
    if node.description:
        line += " description=%r" % node.description
    try:
        v = node.queryValue()
        line += " value=%g of %g-%g" % (v.currentValue, v.minimumValue, v.maximumValue)
    except NotImplementedError:
        pass
    try:
        text = node.queryText().getText(0, -1)
        if text:
            line += " text=%r" % text
    except NotImplementedError:
        pass
    if node.getState().contains(pyatspi.STATE_CHECKED):
        line += " checked"
    print(line)
    for child in node:
        if child is not None:
            show(child, depth + 1)

show(find_gallery(), 0)
PY
# The session bus is private to each attempt; the gallery finds the AT-SPI bus through it.
# Now and then the gallery's bridge fails to reach a freshly started bus and
# never registers; a new display and session (exit status 3) get past it.
for attempt in 1 2 3 4 5; do
    # A display of its own: the launcher leaves the bus address on the root window.
    exec 3<> >(:)
    Xvfb -displayfd 3 -screen 0 1600x1200x24 >/dev/null 2>&1 &
    xvfb=$!
    read -r -u 3 display
    export DISPLAY=":$display"
    status=0
    dbus-run-session -- bash "$runtime/session.sh" "$@" 2> >(grep -v -e "fd limit" -e "ctivat" -e "(yet)" >&2) \
        || status=$?
    kill $xvfb
    wait $xvfb 2>/dev/null || true
    [ "$status" != 3 ] && exit "$status"
done
echo "the gallery never showed up on the accessibility bus" >&2
exit 1
