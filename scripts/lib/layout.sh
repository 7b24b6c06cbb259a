# shellcheck shell=bash disable=SC2034
# Sourced by the scripts that make or check an installed Korvel: which file lands where, said
# once. Every path is relative to the installation's top: /usr for the Debian package and
# `cmake --install --prefix /usr` (the install rules in the CMakeLists.txt files put the files
# there), the installation folder (C:\Program Files\Korvel) for the Windows installer. The
# programs find their samples by the path from the one folder to the other.

# The programs: korvel and korvel-calc; on Windows korvel.exe and korvel-calc.exe with Qt and
# the runtime's DLLs beside them.
layout_bin=bin
# The sample parameter files (例1_按步长.zdy, 例2_按角值.zdy), on Linux and on Windows.
layout_samples=share/korvel/liti
# korvel-calc's stake-out sheet module, loaded only when it writes a sheet: a private part of
# the program on Linux; beside korvel-calc.exe (as korvel-calc-sheet.dll) on Windows.
layout_sheet_module=libexec/korvel/korvel-calc-sheet.so

# On Linux only: the desktop entry, the file type for shared-mime-info, the AppStream entry,
# the package's copyright, the manual pages, and the hicolor icon theme the program's and
# its file type's icons go into (SIZE/apps/korvel.png, SIZE/mimetypes/TYPE.png).
layout_desktop_entry=share/applications/korvel.desktop
layout_file_type=share/mime/packages/korvel.xml
layout_metainfo=share/metainfo/org.example.korvel.metainfo.xml
layout_copyright=share/doc/korvel/copyright
layout_man=share/man/man1
layout_icons=share/icons/hicolor

# layout_linux_files BUILD SOURCE [CALC]: the files an install of the Linux build in BUILD
# must hold, one a line: korvel, the desktop entry, the file type, the AppStream entry, the
# copyright, korvel's manual page, every icon the build drew (BUILD/app/icons) and every
# sample (SOURCE/files/liti); with CALC not empty, korvel-calc, the module that paints its
# stake-out sheet and its manual page too.
layout_linux_files() {
  local build=$1 src=$2 calc=${3:-} png zdy
  printf '%s\n' "$layout_bin/korvel" "$layout_desktop_entry" "$layout_file_type" \
    "$layout_metainfo" "$layout_copyright" "$layout_man/korvel.1.gz"
  for png in $(cd "$build/app/icons" && find . -name '*.png'); do
    echo "$layout_icons/${png#./}"
  done
  for zdy in "$src"/files/liti/*.zdy; do
    echo "$layout_samples/$(basename "$zdy")"
  done
  [ -z "$calc" ] || printf '%s\n' "$layout_bin/korvel-calc" "$layout_sheet_module" \
    "$layout_man/korvel-calc.1.gz"
}

# The installer's own uninstaller, at the top of the Windows installation.
layout_windows_uninstaller=uninstall.exe

# layout_windows_path PATH: where the file or folder PATH of the Windows zip's folder (its
# relative path there) is installed: the samples' folder liti as layout_samples, 说明.txt at
# the top, everything else (the programs, Qt, the runtime) under layout_bin.
layout_windows_path() {
  case $1 in
    liti | liti/*) echo "$layout_samples${1#liti}" ;;
    说明.txt) echo "$1" ;;
    *) echo "$layout_bin/$1" ;;
  esac
}
