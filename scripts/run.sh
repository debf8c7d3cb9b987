#!/usr/bin/env bash
# Sets up, builds and runs ZT6 on the bundled example project 12x14 (self-defined
# dimensions). With a display (DISPLAY or WAYLAND_DISPLAY set) the desktop window opens on
# it; without one, wzt6 /I writes the tab-separated batch report into build/run and the
# companion command line shows the same report as text.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
scripts/bootstrap.sh
scripts/build.sh
mkdir -p build/run
example="$root/data/examples/welle_12x14.zt6"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  cd build/run && TEMP="$root/build/run" exec ../wzt6 "$example"
fi
(cd build/run && TEMP="$root/build/run" ../wzt6 "$example" /I /NOGUI)
echo "batch report written: build/run/welle_12x14.txt (no display: the desktop window needs one)"
build/zt6 report data/examples/welle_12x14.zt6
