#!/bin/sh
# Builds the shipped message description file zt6.err (code page 850, CR LF) from
# its UTF-8 source zt6.err.txt. Run after editing the source; a test checks both agree.
set -eu
cd "$(dirname "$0")"
iconv -f UTF-8 -t CP850 zt6.err.txt | sed 's/$/\r/' > zt6.err.new
mv zt6.err.new zt6.err
