#!/usr/bin/env bash
# End-to-end export from the real program under a private X server, by keyboard only: type
# the step-length example, choose 位置2 and 按步长计算 with the arrow keys, compute, then
# open the result list's menu with Shift+F10 and with the Menu key and export the points as
# GSI-16 and as a DXF drawing; read both back with Total Open Station and ezdxf. Then print the
# stake-out sheet from a station and see it handed to the desktop's viewer (a stand-in
# xdg-open here), and read it back with poppler. Last, check the GSI file as if the
# instrument had measured it, and export the check as CSV.
# Usage: e2e_export_xvfb.sh PATH/TO/korvel READERS_DIR [MENU.png] [CHECK.png of 放样复核]
set -euo pipefail

program=$1
readers=$2
shot=${3:-}
check_shot=${4:-}
source "$(dirname "$0")/xvfb_korvel.sh"
# The desktop's viewer: a stand-in that notes what it was asked to open.
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
start_korvel "$program"
keys() { xdotool key --delay 60 "$@"; }
# Waits for a window titled $1 and gives it the keyboard.
await() {
  local dialog
  dialog=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1)
  xdotool windowfocus --sync "$dialog"
  sleep 0.3
}

# The focus starts in Text1; Tab runs a, b, D, β, X, Y, azimuth, step, 计算, the list, 清空,
# 退出, the position group (at 位置1; Up goes to 位置2), the mode group (at 按角值计算; Up
# goes to 按步长计算), and round to Text1.
for value in 12.5 6 4.25 60.3 3000 5000 45.153 2.5; do
  xdotool type --delay 30 "$value"
  keys Tab
done
keys Tab Tab Tab Tab Up Tab Up Tab
for _ in $(seq 8); do keys Tab; done
keys space Tab  # 计算, then into the list
sleep 0.5

# Shift+F10, "导出放样点" by its access key, a name, then the elevation and the prefix.
keys shift+F10 e
await 导出放样点
xdotool type --delay 20 "$work/fangyang.gsi"
keys Return
await 放样点设置
xdotool type --delay 30 "152.34"
keys Tab
xdotool type --delay 30 "L2-"
keys Return
sleep 0.5

# The Menu key; the settings are remembered, so Enter takes them.
keys Menu
sleep 0.5
if [ -n "$shot" ]; then
  eval "$(xdotool getwindowgeometry --shell "$win")"
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" "$shot"
fi
keys e
await 导出放样点
xdotool type --delay 20 "$work/fangyang.dxf"
keys Return
await 放样点设置
keys Return
sleep 0.5

for f in fangyang.gsi fangyang.dxf; do
  [ -s "$work/$f" ] || { echo "no $f was written" >&2; cat "$work/app.log" >&2; exit 1; }
done
read=$(/usr/bin/python3 "$readers/read_points.py" "$work/fangyang.gsi" "$work/fangyang.dxf")
echo "$read" | grep -E '^(gsi|dxf)' | head -n 3
for reader in gsi dxf; do
  [ "$(grep -c "^$reader	L2-[1-7]	" <<<"$read")" = 7 ] || { echo "$reader: not 7 points" >&2; exit 1; }
  grep -q "^$reader	L2-1	3003.069	5008.352	152.340$" <<<"$read" ||
    { echo "$reader: L2-1 is not the worked example's first point" >&2; exit 1; }
done
! grep -q '^error' <<<"$read" || { echo "$read" >&2; exit 1; }

# "放样记录表" by its access key: the part, the remembered elevation and prefix, a station and
# a backsight, Enter; then the file's name.
keys Menu
sleep 0.5
keys p
await 放样记录表
keys Tab
xdotool type --delay 30 "K12+345"
keys Tab Tab Tab Tab
for value in S1 3010 5000 B1 3100 5100; do
  xdotool type --delay 30 "$value"
  keys Tab
done
keys Return
await 保存放样记录表
xdotool type --delay 20 "$work/fangyang.pdf"
keys Return
for _ in $(seq 50); do
  [ -s "$work/opened" ] && break
  sleep 0.1
done
[ "$(cat "$work/opened" 2>/dev/null)" = "file://$work/fangyang.pdf" ] ||
  { echo "the sheet was not opened: $(cat "$work/opened" 2>/dev/null)" >&2; exit 1; }
sheet=$(pdftotext -layout "$work/fangyang.pdf" -)
grep -q "K12+345" <<<"$sheet" || { echo "the sheet lacks its part" >&2; exit 1; }
grep -qE "L2-7 +2995\.451 +5016\.120 +152\.340 +132°04′03″ +84°03′17″ +21\.715" <<<"$sheet" ||
  { echo "the sheet lacks the last point's polar data:" >&2; echo "$sheet" >&2; exit 1; }
echo "the sheet: $(grep -c '^L2-' <<<"$sheet") points, opened in the viewer"

# "放样复核" by its access key on the GSI file written above: every point measured where it was
# designed. The prefix and tolerance come filled in; "导出" by Alt+E to a .csv, then Esc.
keys Menu
sleep 0.5
keys k
await 选择实测点文件
xdotool type --delay 20 "$work/fangyang.gsi"
keys Return
await 放样复核
if [ -n "$check_shot" ]; then
  sleep 0.5
  dialog=$(xdotool search --onlyvisible --name '^放样复核$' | head -n1)
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" "$check_shot"
fi
keys alt+e
await 保存复核结果
xdotool type --delay 20 "$work/fuhe.csv"
keys Return
sleep 0.5
keys Escape
sleep 0.3
[ -s "$work/fuhe.csv" ] || { echo "no check was written" >&2; exit 1; }
[ "$(grep -c ',合格' "$work/fuhe.csv")" = 7 ] ||
  { echo "not 7 points within the tolerance:" >&2; cat "$work/fuhe.csv" >&2; exit 1; }
grep -q $'^\xEF\xBB\xBF点名,设计X,设计Y,实测X,实测Y,ΔX(mm),ΔY(mm),偏差(mm),结果\r$' "$work/fuhe.csv" ||
  { echo "the check's header is not as written" >&2; head -1 "$work/fuhe.csv" | od -c | head >&2; exit 1; }
echo "the check: 7 points 合格, exported as CSV"
kill -0 "$app_pid"
