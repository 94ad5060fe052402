#!/usr/bin/env bash
# Installs what is missing, builds the program and runs every test without
# a display: on Qt's offscreen platform, or under Xvfb with VELMARIC_XVFB=1.
# The tests run twice: in the shipped build, and in an unoptimised Debug
# build in build-debug/, which must show the same digits.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

platform=offscreen
runner=()
if [ "${VELMARIC_XVFB:-}" = 1 ]; then
    platform=xcb
    runner=(xvfb-run -a -s "-screen 0 1280x1024x24")
fi

bash scripts/build.sh -DVELMARIC_TEST_PLATFORM="$platform"
"${runner[@]}" ctest --test-dir build --output-on-failure

VELMARIC_BUILD_DIR=build-debug bash scripts/build.sh -DVELMARIC_TEST_PLATFORM="$platform" -DCMAKE_BUILD_TYPE=Debug
"${runner[@]}" ctest --test-dir build-debug --output-on-failure
