#!/usr/bin/env bash
# Sets up, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
scripts/build.sh
ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 300
