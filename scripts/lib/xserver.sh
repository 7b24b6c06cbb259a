# shellcheck shell=bash disable=SC2034
# Sourced by the scripts that drive Korvel's window on a private X server: the end-to-end
# tests (tests/ui/xvfb_korvel.sh) and the installer's check (scripts/windows/check-installer.sh).
# It holds the window's geometry and start_xserver; it sets no trap of its own: the script's
# one EXIT trap calls stop_xserver together with the script's own cleanup.

# The window's client area below the menu bar, in pixels: 8160 x 7335 twips at 15 twips a
# pixel (ui/form1.cpp). It is the lowest part of the window, so the window's height less
# korvel_client_height is the height of its title and menu bars.
korvel_client_width=544
korvel_client_height=489

# The X server's process while one runs.
xserver_pid=""

# start_xserver DIR: starts a private X server (Xvfb, 800 x 600 at 24 bits, no TCP) on a free
# display, which the server picks itself and writes to DIR/display; its log is DIR/xvfb.log.
# Exports DISPLAY and XDG_RUNTIME_DIR=DIR for the programs started after it, and unsets
# WAYLAND_DISPLAY so that they take the X server.
start_xserver() {
  local dir=$1
  exec 3>"$dir/display"
  Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
  xserver_pid=$!
  for _ in $(seq 100); do
    [ -s "$dir/display" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(head -n1 "$dir/display")" XDG_RUNTIME_DIR="$dir"
  unset WAYLAND_DISPLAY
}

# Ends the X server start_xserver started, if any; for the script's EXIT trap.
stop_xserver() {
  [ -z "$xserver_pid" ] || kill "$xserver_pid" 2>/dev/null || true
}
