#!/usr/bin/env bash
# Makes the Windows installer from the folder that goes into the zip, with Debian's makensis:
#   scripts/windows/make-installer.sh ZIP_FOLDER VERSION ICON.ico OUTPUT-setup.exe
# The zip's folder is laid out as installed (scripts/lib/layout.sh): the programs, Qt and the
# runtime in bin\, the samples in share\korvel\liti\ (where the program looks from bin\),
# 说明.txt at the top. The install and uninstall lists are written from that layout, file by
# file, for packaging/windows/korvel.nsi, which takes the programs' folder and the
# uninstaller's name from the same place.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/lib/layout.sh"
from=$1
version=$2
icon=$(realpath "$3")
out=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/stage
mkdir -p "$stage/$layout_bin" "$stage/$layout_samples"
for entry in "$from"/*; do
  to=$stage/$(layout_windows_path "$(basename "$entry")")
  if [ -d "$entry" ]; then
    mkdir -p "$to"
    cp -r "$entry"/. "$to/"
  else
    cp "$entry" "$to"
  fi
done

# KorvelInstallFiles: each folder's files under SetOutPath; KorvelRemoveFiles: the same files,
# then the folders deepest first (RMDir without /r leaves a folder the user wrote into).
python3 - "$stage" >"$work/files.nsh" <<'PY'
import os, sys
stage = sys.argv[1]
dirs, files = [], []
for top, subdirs, names in os.walk(stage):
    subdirs.sort()
    rel = os.path.relpath(top, stage)
    rel = "" if rel == "." else rel
    if rel:
        dirs.append(rel)
    files += [(rel, n) for n in sorted(names)]
for text in [stage] + [os.path.join(*f) for f in files]:
    if any(c in text for c in '"$`\n'):
        sys.exit("a name NSIS would read as a variable or quote: " + text)
def inst(rel):
    return "$INSTDIR" + ("\\" + rel.replace("/", "\\") if rel else "")
print("!macro KorvelInstallFiles")
current = None
for rel, name in files:
    if rel != current:
        print('  SetOutPath "%s"' % inst(rel))
        current = rel
    print('  File "%s"' % os.path.join(stage, rel, name))
print("!macroend")
print("!macro KorvelRemoveFiles")
for rel, name in files:
    print('  Delete "%s\\%s"' % (inst(rel), name))
for rel in sorted(dirs, key=lambda d: -d.count("/")):
    print('  RMDir "%s"' % inst(rel))
print("!macroend")
PY

makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DFILE_LIST="$work/files.nsh" \
  -DICON="$icon" -DOUTFILE="$(realpath -m "$out")" -DBIN_DIR="${layout_bin//\//\\}" \
  -DUNINSTALLER="$layout_windows_uninstaller" "$root/packaging/windows/korvel.nsi"
