#!/usr/bin/env bash
# Installs what is missing, builds the program and runs every test without
# a display: on Qt's offscreen platform, or under Xvfb with VELMARIC_XVFB=1.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ "${VELMARIC_XVFB:-}" = 1 ]; then
    bash scripts/build.sh -DVELMARIC_TEST_PLATFORM=xcb
    exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure
fi
bash scripts/build.sh -DVELMARIC_TEST_PLATFORM=offscreen
exec ctest --test-dir build --output-on-failure
