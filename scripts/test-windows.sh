#!/usr/bin/env bash
# Checks the Windows build (dist/korvel-*-win64.zip from scripts/build-windows.sh) under
# Debian's Wine in a throwaway WINEPREFIX, against the Linux build in build/:
#   1. korvel-calc.exe on the worked examples and on generated cases, line for line;
#   2. the .txt, .dat, .xls and .xlsx files it writes: the same bytes, or for the workbooks
#      the same cells as read back by xlrd and openpyxl;
#   3. the window test suites, cross-built, on Qt's offscreen platform, against
#      korvel-calc.exe where they compare files; the sheets the window wrote in them read back
#      by poppler against the Linux build's;
#   4. korvel.exe on a private X server: typed into, computed, and photographed
#      (docs/window-windows.png);
#   5. the installer (dist/korvel-*-win64-setup.exe): installed, run, updated and removed
#      (scripts/windows/check-installer.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
cache=${KORVEL_WINDOWS_CACHE:-$HOME/.cache/korvel-windows}
cases=${KORVEL_WINDOWS_CASES:-300}
step() { echo "== $(date +%H:%M:%S) $*"; }
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
need=()
for p in wine wine64 xvfb xdotool imagemagick unzip nsis binutils bsdutils; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if ((${#need[@]})); then
  step "installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

zip=$(ls dist/korvel-*-win64.zip | tail -n 1)
setup=$root/${zip%.zip}-setup.exe
linux_calc=$root/build/cli/korvel-calc
[ -x "$linux_calc" ] || cmake --build build --target korvel-calc >/dev/null

work=$(mktemp -d)
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
step "Wine: a fresh prefix"
mkdir -p "$WINEPREFIX"
wineserver -p  # stays up between the many short runs below
wineboot -i >/dev/null 2>&1

unzip -q "$zip" -d "$work"
app=$(ls -d "$work"/korvel-*-win64)
cd "$app"

# korvel.exe carries every image of the icon build-windows.sh made of the Linux build's PNGs.
python3 - "$root/build-windows/korvel.ico" korvel.exe <<'PY' || fail "korvel.exe lacks its icon"
import struct, sys
ico, exe = (open(p, "rb").read() for p in sys.argv[1:])
entries = [struct.unpack_from("<II", ico, 14 + 16 * i) for i in range(ico[4])]
sys.exit(not entries or not all(ico[at:at + size] in exe for size, at in entries))
PY

# 1. The calculation, on the samples and on generated cases.
step "korvel-calc.exe against the Linux build"
for pos in 1 2 3 4; do
  (cd "$root/files" && "$linux_calc" --step --position $pos --params liti/例1_按步长.zdy) >"$work/e1"
  wine korvel-calc.exe --step --position $pos --params 'liti\例1_按步长.zdy' >"$work/w1" 2>&1 || true
  cmp -s "$work/e1" "$work/w1" || fail "例1 位置$pos"
  (cd "$root/files" && "$linux_calc" --angle --position $pos --params liti/例2_按角值.zdy) >"$work/e2"
  wine korvel-calc.exe --angle --position $pos --params 'liti\例2_按角值.zdy' >"$work/w2" 2>&1 || true
  cmp -s "$work/e2" "$work/w2" || fail "例2 位置$pos"
done
# The console's output code page is as it was after every way out: rows, a usage error, a
# refused run. A console needs a terminal, which script(1) gives; console_code_page sets the
# page before and writes the one in force after to a file.
cp "$root/build-windows/tests/console_code_page.exe" .
for args in "--step 10 6 60 1000 500 0 1.5 4" "--no-such-option" "--step 10 6 60 1000 500 0 0"; do
  rm -f page.txt
  script -qec "wine cmd /c 'console_code_page.exe 936 >nul & korvel-calc.exe $args >nul 2>nul \
& console_code_page.exe >page.txt'" /dev/null </dev/null >/dev/null 2>&1 || true
  [ "$(tr -d '\r' <page.txt 2>/dev/null)" = "code page 936" ] ||
    fail "korvel-calc.exe $args left the console in $(tr -d '\r' <page.txt 2>/dev/null)"
done
rm -f page.txt console_code_page.exe
echo "   the console's code page checked after rows, a usage error and a refused run"
# Generated cases: axes, angles as D.MMSS, coordinates, steps and offsets of every size.
/usr/bin/python3 - "$cases" >"$work/cases" <<'PY'
import random, sys
r = random.Random(20261206)
def dms():
    return "%d.%02d%02d%d" % (r.randint(0, 179), r.randint(0, 59), r.randint(0, 59), r.randint(0, 9))
for i in range(int(sys.argv[1])):
    a = r.choice(["%.4f" % r.uniform(0.5, 300), str(r.randint(1, 50))])
    b = "%.3f" % r.uniform(0.5, 120)
    mode = r.choice(["--step", "--angle"])
    step = "%.3f" % r.uniform(0.05, 20) if mode == "--step" else dms()
    xy = [r.choice(["%.4f" % r.uniform(-5e5, 5e6), "0", "-0.0005", "%.3f" % r.uniform(-10, 10)]) for _ in "xy"]
    print(mode, "--position", r.randint(1, 4), a, b, dms(), xy[0], xy[1], dms(), step,
          "%.3f" % r.uniform(-30, 30))
PY
: >"$work/expected"
: >"$work/actual"
while read -r -a args; do
  { "$linux_calc" "${args[@]}" 2>&1; echo "exit $?"; } >>"$work/expected"
  { wine korvel-calc.exe "${args[@]}" 2>&1; echo "exit $?"; } >>"$work/actual"
done <"$work/cases"
if cmp -s "$work/expected" "$work/actual"; then
  echo "   $cases generated cases: $(wc -l <"$work/expected") lines alike"
else
  fail "generated cases differ"
  diff "$work/expected" "$work/actual" | head -n 10 >&2 || true
fi

# 2. The files korvel-calc.exe writes.
step "files written by korvel-calc.exe"
example=(--step --position 2 10 6 60 1000 500 0 1.5 4)
for ext in txt dat; do
  "$linux_calc" "${example[@]}" --elevation 12.5 -o "$work/linux.$ext"
  wine korvel-calc.exe "${example[@]}" --elevation 12.5 -o "out.$ext" >/dev/null 2>&1 || true
  cmp -s "$work/linux.$ext" "out.$ext" || fail ".$ext bytes differ"
done
for ext in xls xlsx; do
  "$linux_calc" "${example[@]}" -o "$work/linux.$ext"
  wine korvel-calc.exe "${example[@]}" -o "out.$ext" >/dev/null 2>&1 || true
  # Debian's readers (xlrd, openpyxl) on both workbooks: the same sheet and cells.
  /usr/bin/python3 "$root/tests/files/read_book.py" "$work/linux.$ext" >"$work/linux.cells" &&
    /usr/bin/python3 "$root/tests/files/read_book.py" "out.$ext" >"$work/windows.cells" &&
    grep -q '^cell' "$work/linux.cells" && cmp -s "$work/linux.cells" "$work/windows.cells" ||
    fail ".$ext cells differ"
done
echo "   .txt, .dat, .xls, .xlsx checked"
# The stake-out sheet and the check sheet, in the font shipped beside the program, read back
# by poppler as on Linux; the check's CSV byte for byte.
sheet=(--step --position 2 --prefix L2- --elevation 152.34 --part "K12+345 左幅"
  --station S1,1003,505 --backsight B1,1100,600 10 6 60 1000 500 0 1.5 4)
wine korvel-calc.exe "${sheet[@]}" -o sheet.pdf >/dev/null 2>&1 || true
"$linux_calc" "${sheet[@]}" -o "$work/linux.pdf"
pdffonts sheet.pdf 2>/dev/null | awk 'NR > 2 && $(NF-4) != "yes" { bad = 1 } END { exit bad }' ||
  fail "a font of the sheet is not embedded"
# Windows places the glyphs a little differently: the same words in the same lines, the
# blanks between them aside.
pdftotext -layout sheet.pdf - 2>/dev/null | tr -s ' ' >"$work/windows.txt" ||
  fail "no sheet from korvel-calc.exe"
pdftotext -layout "$work/linux.pdf" - | tr -s ' ' >"$work/linux.txt"
cmp -s "$work/linux.txt" "$work/windows.txt" || fail "the sheet reads back otherwise than on Linux"
"$linux_calc" --step --position 2 --prefix L2- -o "$work/pegs.gsi" 10 6 60 1000 500 0 1.5 4
cp "$work/pegs.gsi" pegs.gsi
wine korvel-calc.exe --step --position 2 --prefix L2- --measured pegs.gsi -o check.csv \
  10 6 60 1000 500 0 1.5 4 >/dev/null 2>&1 || true
"$linux_calc" --step --position 2 --prefix L2- --measured "$work/pegs.gsi" -o "$work/check.csv" \
  10 6 60 1000 500 0 1.5 4
cmp -s "$work/check.csv" check.csv || fail "the check's .csv differs"
wine korvel-calc.exe --step --position 2 --prefix L2- --measured pegs.gsi -o check.pdf \
  10 6 60 1000 500 0 1.5 4 >/dev/null 2>&1 || true
pdftotext -layout check.pdf - 2>/dev/null | grep -q "锥坡放样复核记录表" || fail "no check sheet"
echo "   the stake-out sheet, the check's .csv and the check sheet checked"

# 3. The window test suites on the offscreen platform (Wine passes no QT_ variables on, so
#    the platform is chosen by argument).
step "window tests under Wine (offscreen)"
cp "$cache/qt/bin/Qt6Test.dll" .
cp "$cache/qt/plugins/platforms/qoffscreen.dll" platforms/
for t in "$root"/build-windows/tests/ui/*_tests.exe; do
  cp "$t" .
  name=$(basename "$t")
  if wine "$name" -platform offscreen -o "$work/$name.log,txt" >/dev/null 2>&1; then
    echo "   $name: $(grep -E '^Totals' "$work/$name.log" || true)"
  else
    fail "$name"
    grep -E -A 3 '^(FAIL|Totals)' "$work/$name.log" | head -n 30 >&2 || true
  fi
done
# The sheets the window wrote in the suites above, which left them here for poppler
# (tests/ui/suite_platform.h), against the Linux build's sheet of the same run and texts:
# the same words in the same lines, the blanks between them aside.
step "sheets written by the window under Wine against the Linux build"
stake_run=(--step --position 2 --elevation 152.34 --prefix L2- 12.5 6 60.3 3000 5000 45.153 2.5 4.25)
same_sheet() {
  local kept=$1
  shift
  "$linux_calc" "$@" -o "$work/linux-sheet.pdf" >/dev/null
  pdftotext -layout "$work/linux-sheet.pdf" - | tr -s ' ' >"$work/linux-sheet.txt"
  if [ -f "$kept" ] && pdftotext -layout "$kept" - 2>/dev/null | tr -s ' ' >"$work/window-sheet.txt" &&
    grep -q '锥坡放样记录表' "$work/linux-sheet.txt" && cmp -s "$work/linux-sheet.txt" "$work/window-sheet.txt"; then
    echo "   $kept: $(wc -w <"$work/window-sheet.txt") words as on Linux"
  else
    fail "$kept reads back otherwise than the Linux sheet"
    diff "$work/linux-sheet.txt" "$work/window-sheet.txt" | head -n 10 >&2 || true
  fi
}
# "放样记录表" from the list's menu (list_menu_test.cpp). The drawing's point names are
# placed by the font's measures and one more or less may find room on Windows, so a sheet
# with many names close together (the layers') would differ there by a name.
same_sheet korvel_list_menu_tests-放样.pdf "${stake_run[@]}" --project 沪昆高速 \
  --part "K12+345 左幅" --instrument "TS09 #1234" --station S1,3010,5000 --backsight B1,3100,5100

# 4. The program itself in a real window. Wine's desktop process started above without a
#    display, so it is ended first and starts again on the X server.
step "korvel.exe on Xvfb"
wineserver -k 2>/dev/null || true
wineserver -w
timeout 300 "$root/tests/ui/e2e_xvfb.sh" "$app/korvel.exe" "$root/docs/window-windows.png" ||
  fail "korvel.exe window"

# 5. The installer, in the same prefix.
step "the installer under Wine"
# The zip's files as shipped: the folder above now holds the test programs and their output.
mkdir "$work/shipped"
unzip -q "$root/$zip" -d "$work/shipped"
"$root/scripts/windows/check-installer.sh" "$setup" "$(ls -d "$work"/shipped/korvel-*-win64)" \
  "$root/build-windows/korvel.ico" || failures=$((failures + $?))

if ((failures)); then
  echo "Windows build: $failures check(s) failed" >&2
  exit 1
fi
step "Windows build: every check passed"
