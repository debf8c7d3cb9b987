#!/usr/bin/env bash
# Sets up, builds and runs ZT6 on what this build offers: the example connection 12x14
# (self-defined dimensions) calculated by the companion command line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
scripts/build.sh
build/zt6 calc --set designation=12x14 --set dimension_source=2 \
  --set Dii=12 --set Dee=14.2 --set D=13 --set z=31 --set l=26 \
  --set TGi=0.04 --set TGe=0.04 --set TN=20 --set Tmax=60 --set KA=1.25
