#!/usr/bin/env bash
# zt6 calc --jobs under ThreadSanitizer: builds the core library and zt6 with
# -fsanitize=thread into build-tsan/ (no tests, no desktop, dynamic programs, which the
# sanitizer needs) and runs many copies of the examples on eight threads, once with the
# tables in a writable folder and once with read-only tables, which the runs read in
# place. Any report of the sanitizer fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
copies="${1:-20}"

cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
  -DZT6_BUILD_TESTS=OFF -DZT6_BUILD_BENCH=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON >/dev/null
cmake --build build-tsan --parallel "$(nproc)" --target zt6

work="$(mktemp -d)"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
mkdir "$work/projects"
for ((i = 1; i <= copies; i++)); do
  for project in data/examples/*.zt6; do
    cp "$project" "$work/projects/$(basename "$project" .zt6)_$i.zt6"
  done
done
cp -r build-tsan/tables "$work/writable"
cp -r build-tsan/tables "$work/read-only"
chmod a-w "$work/read-only"/* "$work/read-only"

failed=0
for tables in writable read-only; do
  log="$work/$tables.log"
  echo "tsan: zt6 calc --jobs 8, $(ls "$work/projects" | wc -l) projects, $tables tables"
  status=0
  TSAN_OPTIONS="halt_on_error=0 exitcode=66 second_deadlock_stack=1" TEMP="$work" \
    build-tsan/zt6 calc "$work/projects" --jobs 8 --tables "$work/$tables" \
    >"$work/$tables.json" 2>"$log" || status=$?
  lines="$(wc -l <"$work/$tables.json")"
  if [ "$status" -ne 0 ] || grep -q "ThreadSanitizer" "$log" ||
    [ "$lines" -ne "$(ls "$work/projects" | wc -l)" ]; then
    echo "tsan: failed with $tables tables (exit $status, $lines results)"
    head -n 200 "$log"
    failed=1
  fi
done
exit "$failed"
