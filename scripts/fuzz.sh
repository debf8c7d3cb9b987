#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer, UBSan) into build-fuzz/ and runs
# each for a bounded time on its seed corpus. Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
scripts/bootstrap.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZT6_FUZZ=ON \
  -DZT6_BUILD_TESTS=OFF -DZT6_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --parallel "$(nproc)"

# Seeds: the example projects and configuration; small tables of each header variant;
# a tooth block and a logo as the screen's block files hold them.
run() {
  local target="$1" seeds="data/examples"
  [ "$target" = dbf_reader_fuzz ] && seeds="fuzz/seeds/dbf"
  [ "$target" = block_file_fuzz ] && seeds="fuzz/seeds/dx"
  [ "$target" = hpgl_reader_fuzz ] && seeds="fuzz/seeds/plt"
  local corpus="build-fuzz/corpus/$target"
  mkdir -p "$corpus"
  echo "fuzz: $target for ${seconds} s"
  # Findings are written to build-fuzz/ and fail the run; a fixed seed makes a clean
  # clone's run repeatable.
  "build-fuzz/$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="build-fuzz/$target-" -print_final_stats=1 -seed=1 "$corpus" "$seeds" 2>&1 | tail -n 60
}
for target in build-fuzz/*_fuzz; do
  name="$(basename "$target")"
  run "$name"
done
