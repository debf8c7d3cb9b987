#!/usr/bin/env bash
# Sets up, builds and runs ZT6 on what this build offers: the command-line help of wzt6.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
scripts/build.sh
build/wzt6 /?
