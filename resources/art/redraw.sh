#!/bin/sh
# Rebuilds the picture drawer in a throw-away folder and rewrites
#   resources/icon/velmaric-32.png, resources/icon/velmaric-16.png,
#   resources/pictures/arch-bridge.png, section-types.png, hollow-slab.png
set -eu

art=$(cd "$(dirname "$0")" && pwd)
resources=$(dirname "$art")
build=$(mktemp -d "${TMPDIR:-/tmp}/velmaric-art.XXXXXX")
trap 'rm -rf "$build"' EXIT INT TERM

cmake -S "$art" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" >/dev/null
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$build" "$build/drawpictures" "$resources"
