#!/usr/bin/env bash
# Sets up, builds and runs ZT6 on the bundled example project 12x14 (self-defined
# dimensions). The desktop window comes with later work; until then ZT6 runs its batch
# report: wzt6 /I writes the tab-separated report for a spreadsheet into build/run, and
# the companion command line shows the same report as text.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
scripts/bootstrap.sh
scripts/build.sh
mkdir -p build/run
(cd build/run && TEMP="$root/build/run" ../wzt6 "$root/data/examples/welle_12x14.zt6" /I /NOGUI)
echo "batch report written: build/run/welle_12x14.txt"
build/zt6 report data/examples/welle_12x14.zt6
