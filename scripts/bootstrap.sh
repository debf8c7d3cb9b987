#!/usr/bin/env bash
# Installs the Debian packages ZT6 needs to build and test, and any packages named as
# arguments (bench/run.sh names those of its comparisons). Safe to run again.
set -euo pipefail
packages=(g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  python3 python3-dbfread python3-ezdxf libocct-data-exchange-dev libocct-ocaf-dev
  libocct-modeling-algorithms-dev qt6-base-dev fonts-dejavu-core qt6-translations-l10n
  fonts-nanum qt6-l10n-tools dpkg-dev lintian
  pkg-config libxlsxwriter-dev python3-openpyxl poppler-utils pybind11-dev python3-dev python3-pytest
  freecad "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  if [ "$(id -u)" -ne 0 ]; then
    echo "bootstrap: missing packages ${missing[*]}; run as root or install them." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
