#!/usr/bin/env bash
# Configures and builds the program and its tests, as shipped, in build/ or
# in the folder VELMARIC_BUILD_DIR names; arguments go to CMake and may
# choose another build type.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${VELMARIC_BUILD_DIR:-build}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$dir" --parallel "$(nproc)"
