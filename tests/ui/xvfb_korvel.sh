# Sourced by the end-to-end scripts: a scratch folder $work, a private X server on a free
# display (scripts/lib/xserver.sh, which also gives the window's geometry), and start_korvel
# PROGRAM [ARGUMENT...], which starts the program (korvel.exe under Wine) and gives its
# window, $win, the keyboard. Everything ends with the script.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xserver.sh"
work=$(mktemp -d)
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  stop_xserver
  rm -rf "$work"
}
trap cleanup EXIT

start_xserver "$work"

start_korvel() {
  local run=("$@")
  case $1 in
    *.exe) run=(wine "$@"); unset QT_QPA_PLATFORM ;;
    *) export QT_QPA_PLATFORM=xcb ;;
  esac
  "${run[@]}" >"$work/app.log" 2>&1 &
  app_pid=$!
  win=$(xdotool search --sync --onlyvisible --name '^Korvel$' | head -n1)
  xdotool windowfocus --sync "$win"
  sleep 0.3
}
