#!/usr/bin/env bash
# run.sh WORK SOURCE BUILD...
# Installs each build (a Qt 5 and a Qt 6 one may share the prefix, as a
# distribution ships them) into one scratch prefix and moves the tree, then
# builds and runs the consumers of each against it (consume.sh). A build
# configured with a two-level library folder (lib/x86_64-linux-gnu) tries a
# distribution's layout.
set -euo pipefail
work=$1
source=$2
shift 2
rm -rf "$work"
mkdir -p "$work"
for build in "$@"; do
    cmake --install "$build" --prefix "$work/staged" >/dev/null
done
# Nothing may keep the prefix it was installed to.
mv "$work/staged" "$work/prefix"
"$source/tests/package/consume.sh" "$work" "$work/prefix" "$source" "$@"
