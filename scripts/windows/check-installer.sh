#!/usr/bin/env bash
# Checks the Windows installer under Wine, in the throwaway WINEPREFIX of test-windows.sh:
#   1. a silent install (/S), timed: every file of the zip in the installed layout, the
#      shortcuts, the .zdy association and the Add/Remove Programs entry;
#   2. the installed korvel-calc.exe on the worked example;
#   3. the installed korvel.exe started with a .zdy file on a private X server
#      (docs/window-windows-installed.png): the user's folder made and stocked, nothing
#      written under Program Files;
#   4. a silent uninstall, timed: nothing of the program left, the user's own file kept;
#   5. an older version installed to a folder of its own (/D=), then this one over it: the
#      newer version in its place, the older one's files gone; then uninstalled again.
# Which file lands where is scripts/lib/layout.sh's; the X server and the window's geometry
# are scripts/lib/xserver.sh's.
# Usage: check-installer.sh SETUP.exe ZIP_FOLDER ICON.ico; the exit status is the number of
# failed checks, at most 125 (the summary line gives the whole count).
set -euo pipefail
setup=$(realpath "$1")
zipdir=$(realpath "$2")
icon=$(realpath "$3")
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/lib/layout.sh"
source "$root/scripts/lib/xserver.sh"
version=$(basename "$setup" | sed -E 's/^korvel-(.*)-win64-setup\.exe$/\1/')
step() { echo "== $(date +%H:%M:%S) $*"; }
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

: "${WINEPREFIX:?the prefix of test-windows.sh}"
# Wine would copy shortcuts and associations into this machine's own desktop menus.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};winemenubuilder.exe=d"
drive=$WINEPREFIX/drive_c
appdata=$drive/users/$(id -un)/AppData/Roaming
menu=$drive/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Korvel
desktop=$drive/users/Public/Desktop/Korvel.lnk
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvel'
# The installed layout's folders as Windows writes them.
bin_dir=${layout_bin//\//\\}
samples_dir=${layout_samples//\//\\}
work=$(mktemp -d)
# The one EXIT trap: Wine's desktop first, then its X server, then the scratch folder.
cleanup() {
  wineserver -k 2>/dev/null || true
  stop_xserver
  rm -rf "$work"
}
trap cleanup EXIT

# The data of a registry value ("" names the key's default): a string as it is, a DWORD as a
# decimal number; nothing when the key or value is missing. Read from `reg export`, which
# writes UTF-16, where `reg query` writes the console's code page.
reg_value() {
  rm -f "$work/value.reg"
  wine reg export "$1" "$work/value.reg" /y >/dev/null 2>&1 || return 0
  python3 - "$work/value.reg" "$1" "$2" <<'PY'
import re, sys
path, key, name = sys.argv[1:]
key = key.lower().replace("hklm\\", "hkey_local_machine\\", 1)
section = None
for line in open(path, encoding="utf-16").read().splitlines():
    if line.startswith("["):
        section = line[1:-1].lower()
        continue
    m = re.match(r'^(@|"((?:[^"\\]|\\.)*)")=(.*)$', line)
    if section != key or not m or (m.group(2) or "") != name:
        continue
    data = m.group(3)
    if data.startswith("dword:"):
        print(int(data[6:], 16))
    else:
        print(re.sub(r"\\(.)", lambda c: c.group(1), data[1:-1]))
PY
}
# True when the shortcut `lnk` names `target`, whatever the letter case (its paths are
# stored as UTF-16).
lnk_names() {
  python3 -c 'import sys; d = open(sys.argv[1], "rb").read().lower()
sys.exit(sys.argv[2].encode("utf-16-le").lower() not in d)' "$1" "$2"
}
reg_has() { wine reg query "$1" >/dev/null 2>&1; }
# The user's parameter folder, whatever the letter case of the program's name (Windows
# ignores it, Wine's Unix folders do not); nothing when it does not exist.
user_folder() {
  find "$appdata" -maxdepth 2 -type d -ipath "$appdata/korvel/liti" 2>/dev/null | head -n 1 || true
}
# The first visible window whose title matches `pattern`, waited for up to 60 seconds; a
# search that meets a window as it vanishes (BadWindow) is simply tried again.
find_window() {
  local deadline=$((SECONDS + 60)) found
  while ((SECONDS < deadline)); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -z "$found" ] || { echo "$found"; return 0; }
    sleep 0.5
  done
  return 1
}
# Seconds since `start`, to a tenth.
since() { echo "$(date +%s.%N) $start" | awk '{printf "%.1f", $1 - $2}'; }

# The installed layout of the zip's files (layout_windows_path: samples under
# share/korvel/liti, 说明.txt at the top, the rest under bin/); and the uninstaller. One
# relative path a line, sorted.
expected_files() {
  (cd "$zipdir" && find . -type f -printf '%P\n') | while read -r f; do
    layout_windows_path "$f"
  done | { cat; echo "$layout_windows_uninstaller"; } | sort
}

# Checks the installation in `dir` (a Unix path) of `want_version`: its files, their bytes,
# the shortcuts, the association and the Add/Remove Programs entry.
check_installed() {
  local dir=$1 want_version=$2 windir exe f
  windir=$(winepath -w "$dir")
  exe="$windir\\$bin_dir\\korvel.exe"
  diff <(expected_files) <(cd "$dir" && find . -type f -printf '%P\n' | sort) >&2 ||
    fail "installed files differ from the zip's"
  while read -r f; do
    cmp -s "$zipdir/$f" "$dir/$(layout_windows_path "$f")" || fail "$f changed"
  done < <(cd "$zipdir" && find . -type f -printf '%P\n')
  for lnk in "$menu/Korvel.lnk" "$menu/卸载 Korvel.lnk" "$desktop"; do
    [ -f "$lnk" ] || fail "no shortcut $lnk"
  done
  lnk_names "$desktop" "$exe" || fail "the desktop shortcut does not start $exe"
  [ "$(reg_value 'HKLM\Software\Classes\.zdy' '')" = "Korvel.zdy" ] || fail ".zdy is not Korvel.zdy"
  [ "$(reg_value 'HKLM\Software\Classes\Korvel.zdy\shell\open\command' '')" = \
    "\"$exe\" \"%1\"" ] || fail "Korvel.zdy open command"
  [ "$(reg_value 'HKLM\Software\Classes\Korvel.zdy\DefaultIcon' '')" = \
    "\"$exe\",0" ] || fail "Korvel.zdy icon"
  [ "$(reg_value 'HKLM\Software\Classes\Korvel.zdy' '')" = "Korvel 参数文件" ] ||
    fail "Korvel.zdy description"
  local -A want=(
    [DisplayName]=Korvel [DisplayVersion]=$want_version [Publisher]="Korvel developers"
    [DisplayIcon]="\"$exe\",0"
    [UninstallString]="\"$windir\\$layout_windows_uninstaller\""
    [QuietUninstallString]="\"$windir\\$layout_windows_uninstaller\" /S")
  for name in "${!want[@]}"; do
    [ "$(reg_value "$uninstall_key" "$name")" = "${want[$name]}" ] ||
      fail "$name is '$(reg_value "$uninstall_key" "$name")', not '${want[$name]}'"
  done
  # EstimatedSize is in KiB: within a tenth of what the folder holds.
  local size du
  size=$(reg_value "$uninstall_key" EstimatedSize)
  du=$(find "$dir" -type f -printf '%s\n' | awk '{s += $1} END {print int(s / 1024)}')
  ((size * 10 >= du * 9 && size * 10 <= du * 11)) || fail "EstimatedSize $size KiB for $du KiB"
}

# Runs the uninstaller of the copy in `dir` silently and waits until it has finished: it
# starts a copy of itself from the temporary folder and returns at once. The Add/Remove
# Programs key is the last thing it removes.
uninstall() {
  local dir=$1 deadline=$((SECONDS + 120))
  wine "$(winepath -w "$dir")\\$layout_windows_uninstaller" /S
  while reg_has "$uninstall_key"; do
    ((SECONDS < deadline)) || { fail "the uninstaller did not finish within two minutes"; return; }
    sleep 0.2
  done
}

# Checks that nothing of the program is left, and that the user's own folder is untouched.
check_removed() {
  local dir=$1
  [ ! -e "$dir" ] || fail "$dir is still there: $(cd "$dir" && find . | head -n 5 | tr '\n' ' ')"
  [ ! -e "$menu" ] || fail "the Start menu folder is still there"
  [ ! -e "$desktop" ] || fail "the desktop shortcut is still there"
  for key in "$uninstall_key" 'HKLM\Software\Classes\Korvel.zdy' 'HKLM\Software\Classes\.zdy'; do
    ! reg_has "$key" || fail "$key is still there"
  done
  local left
  left=$(find "$drive" -iname '*korvel*' -not -path "$appdata/*" | head -n 5)
  [ -z "$left" ] || fail "left behind: $left"
  [ "$(cat "$userdir/mine.zdy" 2>/dev/null)" = "mine" ] || fail "the user's own file is gone"
}

# A private X server for the window, with Wine's desktop started on it.
wineserver -k 2>/dev/null || true
wineserver -w
start_xserver "$work"

# 1. Installed silently into the default folder.
step "the installer: silent install"
programs=$drive/Program\ Files/Korvel
start=$(date +%s.%N)
wine "$setup" /S || fail "the installer exited with $?"
echo "   installed in $(since) s ($(du -h "$setup" | cut -f1) installer)"
check_installed "$programs" "$version"

# 2. The installed korvel-calc.exe on the worked example.
step "the installed korvel-calc.exe"
wine "$(winepath -w "$programs")\\$bin_dir\\korvel-calc.exe" --step --position 2 12.5 6 60.3 3000 \
  5000 45.153 2.5 4.25 2>&1 | tr -d '\r' >"$work/rows" || true
[ "$(wc -l <"$work/rows")" -eq 7 ] &&
  [ "$(head -n 1 "$work/rows")" = "  1     3003.069     5008.352" ] &&
  [ "$(tail -n 1 "$work/rows")" = "  7     2995.451     5016.120" ] ||
  { fail "installed korvel-calc.exe rows"; head -n 9 "$work/rows" >&2; }

# 3. The installed window, given a parameter file; its open dialog makes the user's folder.
step "the installed korvel.exe on Xvfb"
find "$drive/Program Files" -printf '%P %s %T@\n' | sort >"$work/before"
[ -z "$(user_folder)" ] || fail "the user's folder exists before the first start"
wine "$(winepath -w "$programs")\\$bin_dir\\korvel.exe" \
  "$(winepath -w "$programs")\\$samples_dir\\例1_按步长.zdy" >"$work/app.log" 2>&1 &
if win=$(find_window '^Korvel'); then
  xdotool windowfocus --sync "$win"
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$win")"
  # The eight boxes lie 122 pixels in and 40 to 248 down the client area (the lowest
  # korvel_client_height pixels); a box holding text shows more than its frame's few colours.
  filled=0
  for y in 40 70 99 129 159 188 218 248; do
    import -window root -crop "100x19+$((X + 126))+$((Y + HEIGHT - korvel_client_height + y + 3))" \
      "$work/box.png"
    [ "$(identify -format '%k' "$work/box.png")" -le 3 ] || filled=$((filled + 1))
  done
  import -window "$win" "$root/docs/window-windows-installed.png"
  if [ "$filled" -eq 8 ]; then
    echo "   the eight boxes hold the file's values"
  else
    fail "$filled of the eight boxes filled from the file named at start"
  fi
  xdotool key ctrl+o
  if dialog=$(find_window '^读取参数$'); then
    xdotool windowfocus --sync "$dialog"
    sleep 0.5
    xdotool key Escape
  else
    fail "Ctrl+O showed no 读取参数 dialog"
  fi
else
  fail "no Korvel window"
  cat "$work/app.log" >&2
fi
sleep 1
wineserver -k 2>/dev/null || true
wineserver -w
userdir=$(user_folder)
[ -n "$userdir" ] || { fail "no user's folder korvel\\liti in AppData"; userdir=$appdata/korvel/liti; }
for f in "$programs/$layout_samples"/*.zdy; do
  cmp -s "$f" "$userdir/$(basename "$f")" || fail "the user's folder lacks $(basename "$f")"
done
find "$drive/Program Files" -printf '%P %s %T@\n' | sort >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "korvel.exe wrote under Program Files"
mkdir -p "$userdir"
echo "mine" >"$userdir/mine.zdy"

# 4. Uninstalled silently.
step "the uninstaller: silent"
start=$(date +%s.%N)
uninstall "$programs"
echo "   uninstalled in $(since) s"
check_removed "$programs"

# 5. An older version in a folder of its own, then this one over it.
step "an older version, then this one over it"
old=$work/old/korvel-0.9.0-win64
mkdir -p "$work/old"
cp -r "$zipdir" "$old"
echo "0.9.0" >"$old/old-only.dll"
printf 'Korvel 0.9.0\r\n' >>"$old/说明.txt"
"$root/scripts/windows/make-installer.sh" "$old" 0.9.0 "$icon" \
  "$work/old/korvel-0.9.0-win64-setup.exe" >/dev/null
# Wine quotes an argument with a blank, and NSIS takes /D= only unquoted: no blank here.
custom=$drive/测量软件/Korvel
wine "$work/old/korvel-0.9.0-win64-setup.exe" /S "/D=$(winepath -w "$custom")" ||
  fail "the older installer exited with $?"
[ "$(reg_value "$uninstall_key" DisplayVersion)" = 0.9.0 ] &&
  [ -f "$custom/$(layout_windows_path old-only.dll)" ] ||
  fail "the older version did not install into $custom"
wine "$setup" /S || fail "the installer exited with $?"
check_installed "$custom" "$version"
[ ! -e "$programs" ] || fail "the update went to Program Files, not to the installed folder"
wine "$(winepath -w "$custom")\\$bin_dir\\korvel-calc.exe" --version 2>&1 | tr -d '\r' |
  grep -qx "korvel-calc $version" || fail "the installed korvel-calc.exe is not $version"
uninstall "$custom"
check_removed "$custom"

# The count in full here; as the exit status at most 125, since a status has 8 bits and 256
# failures would read as none.
((failures == 0)) || echo "installer: $failures check(s) failed" >&2
exit $((failures > 125 ? 125 : failures))
