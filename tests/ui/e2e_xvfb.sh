#!/usr/bin/env bash
# End-to-end run of the real program under a private X server: find the window titled
# "Korvel", type the angle-mode worked example into the boxes with real key events (or,
# given a parameter file, start the program with that file instead), click "计算", and
# check that the result list now shows text where it was blank before.
# Usage: e2e_xvfb.sh PATH/TO/korvel [SCREENSHOT.png] [FILE.zdy]   (korvel.exe runs under Wine)
set -euo pipefail

program=$1
shot=${2:-}
file=${3:-}
source "$(dirname "$0")/xvfb_korvel.sh"
# A Windows program under Wine takes the file by its Windows name; Qt's own options before
# it are Qt's.
args=()
case $program in
  *.exe) [ -z "$file" ] || args=("$(winepath -w "$file")") ;;
  *) [ -z "$file" ] || args=(-platform xcb "$file") ;;
esac
start_korvel "$program" "${args[@]}"

# Window position and size; the client area is the lowest korvel_client_height pixels of the
# window (scripts/lib/xserver.sh).
eval "$(xdotool getwindowgeometry --shell "$win")"
menu=$((HEIGHT - korvel_client_height))
client_x=$X
client_y=$((Y + menu))

# List1 lies at (24, 312), 497 x 130 inside the client area.
list_colours() {
  import -window root -crop "480x110+$((client_x + 30))+$((client_y + 318))" "$work/list.png"
  identify -format '%k' "$work/list.png"
}
before=$(list_colours)

# The focus starts in Text1; Tab runs a, b, D, β, X, Y, azimuth, step. A file given at
# start has filled the boxes already.
if [ -z "$file" ]; then
  for value in 10 6 4 60 1000 500 0 15; do
    xdotool type --delay 20 "$value"
    xdotool key Tab
  done
fi
xdotool mousemove $((client_x + 24 + 28)) $((client_y + 456 + 12)) click 1
sleep 0.5
after=$(list_colours)
[ -n "$shot" ] && import -window "$win" "$shot"

echo "distinct colours in the list: before $before, after $after"
if [ "$before" -gt 2 ] || [ "$after" -le 8 ]; then
  echo "the result list did not fill" >&2
  cat "$work/app.log" >&2
  exit 1
fi
kill -0 "$app_pid"
