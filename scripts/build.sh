#!/usr/bin/env bash
# Configures and builds ZT6 in ./build (warnings are errors here).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZT6_WERROR=ON >/dev/null
cmake --build build --parallel "$(nproc)"
