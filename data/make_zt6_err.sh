#!/bin/sh
# Builds the shipped message description files zt6.err (German) and zt6.en.err (English)
# (code page 850, CR LF) from their UTF-8 sources zt6.err.txt and zt6.en.err.txt. Run
# after editing a source; a test checks both agree.
set -eu
cd "$(dirname "$0")"
for name in zt6.err zt6.en.err; do
  iconv -f UTF-8 -t CP850 "$name.txt" | sed 's/$/\r/' > "$name.new"
  mv "$name.new" "$name"
done
