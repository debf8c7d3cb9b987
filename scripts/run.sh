#!/usr/bin/env bash
# Sets up, builds and runs ZT6 on the bundled example project 12x14 (self-defined
# dimensions). The desktop window and the batch report come with later work; until
# then the companion command line calculates the example and lists the results.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
scripts/build.sh
build/zt6 calc data/examples/welle_12x14.zt6
