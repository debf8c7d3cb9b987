#!/usr/bin/env bash
# The desktop's catalogues against its sources: lupdate over src/gui, run on a copy of each
# catalogue, finds no text missing and none left over, and lrelease compiles every text
# finished (English, and Romanian and Korean where they fall back to English).
# Arguments: lupdate, lrelease, the source folder.
set -euo pipefail
lupdate=$1
lrelease=$2
source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for language in en ro ko; do
  catalogue=$work/zt6_$language.ts
  cp "$source/translations/zt6_$language.ts" "$catalogue"
  scan=$("$lupdate" -locations none -no-obsolete "$source/src/gui" -ts "$catalogue" 2>/dev/null)
  if ! grep -q "(0 new and" <<<"$scan" || grep -q "obsolete" <<<"$scan"; then
    echo "zt6_$language.ts does not match the texts of src/gui:"
    echo "$scan"
    diff <(grep -o '<source>.*</source>' "$source/translations/zt6_$language.ts") \
      <(grep -o '<source>.*</source>' "$catalogue") || true
    status=1
  fi
  compiled=$("$lrelease" "$catalogue" "$source/translations/zt6_settings_$language.ts" \
    -qm "$work/zt6_$language.qm" 2>&1)
  echo "$compiled"
  if ! grep -q " 0 unfinished)" <<<"$compiled" || grep -qi "ignored\|warning" <<<"$compiled"; then
    echo "zt6_$language: translations unfinished"
    status=1
  fi
done
exit $status
