#!/usr/bin/env bash
# Configures and builds the program and its tests in build/; arguments go
# to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build --parallel "$(nproc)"
