# Sourced by the end-to-end scripts: a scratch folder $work, a private X server on a free
# display, and start_korvel PROGRAM [ARGUMENT...], which starts the program (korvel.exe under
# Wine) and gives its window, $win, the keyboard. Everything ends with the script.
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A free display number, chosen by the server itself.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
export DISPLAY=":$(head -n1 "$work/display")" XDG_RUNTIME_DIR="$work"
unset WAYLAND_DISPLAY

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
