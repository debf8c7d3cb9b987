#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a temporary root
# (nothing is installed into the machine) and runs the programs from there: they must
# find their tables, zt6.err and the desktop program in the package's own layout.
#   unpacked_package_test.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack"; }
debs=("$work"/package/zt6_*.deb)
[ -f "${debs[0]}" ] || fail "no zt6_*.deb written"
dpkg-deb -x "${debs[0]}" "$work/root"
usr="$work/root/usr"
dpkg-deb -f "${debs[0]}" Package Version Depends >"$work/control"
grep -q '^Package: zt6$' "$work/control" || fail "package name: $(cat "$work/control")"

for file in bin/zt6 bin/wzt6 share/zt6/zt6.err share/zt6/zt6.hlp share/zt6/morvane.hlp \
  share/zt6/ZT6.dbh share/zt6/profil.plt share/zt6/zt6.dem share/zt6/tables/din5481.dbf \
  share/zt6/tables/zt6tol.dbf share/applications/zt6.desktop \
  share/icons/hicolor/scalable/apps/zt6.svg share/doc/zt6/examples/welle_12x14.zt6; do
  [ -f "$usr/$file" ] || fail "usr/$file is not in the package"
done
for page in zt6 wzt6; do
  manpage="$usr/share/man/man1/$page.1.gz"
  [ -f "$manpage" ] || fail "no manual page $page(1)"
  # groff's warnings name every macro or escape it cannot read.
  warnings="$(zcat "$manpage" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)"
  [ -z "$warnings" ] || fail "manual page $page(1): $warnings"
  zcat "$manpage" | grep -q '^\.SH EXIT STATUS' || fail "manual page $page(1) has no exit status"
done
[ -f "$usr/share/doc/zt6/copyright" ] || fail "no copyright file"
[ -f "$usr/share/doc/zt6/changelog.gz" ] || fail "no changelog"

# The completion offers the commands, the table's sizes and each command's formats.
completion="$usr/share/bash-completion/completions/zt6"
[ -f "$completion" ] || fail "no bash completion for zt6"
complete_words() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1));
    _zt6; printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$@"
}
[ "$(complete_words zt6 re)" = "report" ] || fail "completion of a command: $(complete_words zt6 re)"
[ "$(complete_words zt6 calc --size 15)" = "15x17" ] ||
  fail "completion of a size: $(complete_words zt6 calc --size 15)"
[ "$(complete_words zt6 cad x.zt6 --format i)" = "igs" ] ||
  fail "completion of a CAD format: $(complete_words zt6 cad x.zt6 --format i)"
[ "$(complete_words zt6 report x.zt6 --format x)" = "xlsx" ] ||
  fail "completion of a report format: $(complete_words zt6 report x.zt6 --format x)"
[ "$(complete_words zt6 sw)" = "sweep" ] || fail "completion of sweep: $(complete_words zt6 sw)"
[ "$(complete_words zt6 size --to)" = "--torque" ] ||
  fail "completion of a size option: $(complete_words zt6 size --to)"
[ "$(complete_words zt6 identify --ov)" = "--over-pins" ] ||
  fail "completion of an identify option: $(complete_words zt6 identify --ov)"

# Debian's package checker: no error and no warning (overrides carry their reasons).
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "${debs[0]}" >"$work/lintian.log" 2>&1 ||
    fail "lintian: $(grep -v 'running with root privileges' "$work/lintian.log")"
elif [ -n "${CI:-}" ]; then
  fail "lintian is not installed"
else
  echo "lintian not installed: the package was not checked" >&2
fi

grep -q '^Exec=wzt6 %f$' "$usr/share/applications/zt6.desktop" || fail "desktop entry"
# The batch routes need no Qt: wzt6 itself links none of it.
if readelf -d "$usr/bin/wzt6" | grep -q 'NEEDED.*Qt'; then fail "wzt6 links Qt"; fi
if readelf -d "$usr/bin/zt6" | grep -q 'NEEDED.*\(Qt\|xlsxwriter\)'; then fail "zt6 links Qt or libxlsxwriter"; fi

# Run from elsewhere, without settings: the programs find what they need beside them.
mkdir -p "$work/run" "$work/cfg" "$work/tmp"
cd "$work/run"
export XDG_CONFIG_HOME="$work/cfg" TEMP="$work/tmp"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
for program in zt6 wzt6; do
  [ "$("$usr/bin/$program" --version)" = "$program 1.5" ] ||
    fail "$program --version: $("$usr/bin/$program" --version 2>&1)"
done
"$usr/bin/zt6" calc --size 12x14 --json >calc.json 2>calc.err || fail "zt6 calc: $(cat calc.err)"
[ ! -s calc.err ] || fail "zt6 calc said: $(cat calc.err)"
grep -q '"designation": "12x14"' calc.json || fail "zt6 calc: no 12x14 in $(head -c 300 calc.json)"
grep -q '"table_row": 4' calc.json || fail "zt6 calc: not row 4 of the shipped table"
grep -q '"fatal": false' calc.json || fail "zt6 calc: fatal run"

# The Python module, where the build has one, lies where Debian's python3 finds it and
# finds the package's tables; it gives the numbers of zt6 calc.
if [ -d "$build/python/zt6" ]; then
  modules="$usr/lib/python3/dist-packages"
  compgen -G "$modules/zt6/_core*.so" >/dev/null || fail "the Python module is not in the package"
  /usr/bin/python3 -c 'import sys; sys.exit("/usr/lib/python3/dist-packages" not in sys.path)' ||
    fail "Debian's python3 does not look in /usr/lib/python3/dist-packages"
  mrev="$(PYTHONPATH="$modules" PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 \
    -c "import zt6; print(zt6.calc(size='12x14')['results']['MReV'])" 2>python.err)" ||
    fail "import zt6: $(cat python.err)"
  expected="$(/usr/bin/python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["results"]["MReV"])' calc.json)"
  [ "$mrev" = "$expected" ] || fail "zt6.calc gives MReV $mrev, zt6 calc $expected"
fi

cp "$usr/share/doc/zt6/examples/din5481_17x20.zt6" .
"$usr/bin/wzt6" din5481_17x20.zt6 /I /NOGUI 2>wzt6.err || fail "wzt6 /I: $(cat wzt6.err)"
[ -s din5481_17x20.txt ] || fail "wzt6 /I wrote no report"
grep -q '17x20' din5481_17x20.txt || fail "wzt6 /I: the report does not name 17x20"

# PDF and workbooks are written by the companions in libexec/zt6, which zt6 hands over to.
if [ -x "$build/zt6-xlsx" ]; then
  "$usr/bin/zt6" report din5481_17x20.zt6 --format xlsx -o report.xlsx 2>xlsx.err ||
    fail "zt6 report --format xlsx: $(cat xlsx.err)"
  [ "$(head -c 2 report.xlsx)" = "PK" ] || fail "zt6 report --format xlsx wrote no workbook"
fi
if [ -x "$build/zt6-pdf" ]; then
  "$usr/bin/zt6" report din5481_17x20.zt6 --format pdf -o report.pdf 2>pdf.err ||
    fail "zt6 report --format pdf: $(cat pdf.err)"
  [ "$(head -c 5 report.pdf)" = "%PDF-" ] || fail "zt6 report --format pdf wrote no PDF"
fi

# STEP models come from zt6-step, which carries OpenCASCADE's libraries as dependencies.
if [ -x "$build/zt6-step" ]; then
  [ -x "$usr/libexec/zt6/zt6-step" ] || fail "zt6-step is not in the package"
  grep -q '^Depends: .*libocct-data-exchange' "$work/control" ||
    fail "no OpenCASCADE dependency: $(cat "$work/control")"
  if readelf -d "$usr/bin/zt6" | grep -q 'NEEDED.*TK'; then fail "zt6 links OpenCASCADE"; fi
  "$usr/bin/zt6" cad din5481_17x20.zt6 --model assembly --pins -o model.step 2>step.err ||
    fail "zt6 cad --model: $(cat step.err)"
  [ "$(head -c 13 model.step)" = "ISO-10303-21;" ] || fail "zt6 cad --model wrote no STEP file"
fi

# A build with Qt packs the desktop program; the package's wzt6 hands the window over to
# it (offscreen, ended after the first drawing).
if [ -x "$build/wzt6-desktop" ]; then
  [ -x "$usr/libexec/zt6/wzt6-desktop" ] || fail "the desktop program is not in the package"
  # Its catalogues where it looks for them from libexec/zt6: ../../share/zt6/translations.
  for language in en ro ko; do
    [ -f "$usr/share/zt6/translations/zt6_$language.qm" ] ||
      fail "the desktop's $language catalogue is not in the package"
  done
  grep -q '^Depends: .*libqt6widgets6' "$work/control" || fail "no Qt dependency: $(cat "$work/control")"
  # The window's 3D model is written by zt6-step: the desktop loads no OpenCASCADE.
  if readelf -d "$usr/libexec/zt6/wzt6-desktop" | grep -q 'NEEDED.*TK'; then
    fail "wzt6-desktop links OpenCASCADE"
  fi
  # Its workbooks come from a module loaded on the first one: it starts without libxlsxwriter.
  if readelf -d "$usr/libexec/zt6/wzt6-desktop" | grep -q 'NEEDED.*xlsxwriter'; then
    fail "wzt6-desktop links libxlsxwriter"
  fi
  readelf -d "$usr/libexec/zt6/zt6-xlsx-module.so" | grep -q 'NEEDED.*xlsxwriter' ||
    fail "the desktop's workbook module is not in the package"
  QT_QPA_PLATFORM=offscreen ZT6_QUIT_AFTER_FIRST_DRAWING=1 timeout 60 \
    "$usr/bin/wzt6" din5481_17x20.zt6 >window.out 2>&1 || fail "wzt6 window: $(cat window.out)"
fi
echo "package $(basename "${debs[0]}"): lintian clean, manual pages, completion, zt6 calc --size 12x14, report as PDF and workbook, a STEP model, import zt6, wzt6 /I and the window ran from it"
