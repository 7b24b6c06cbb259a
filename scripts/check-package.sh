#!/usr/bin/env bash
# Builds the Debian package in a finished build folder (argument 1, default build) and
# checks it: its control fields, that it holds exactly what `cmake --install` installs
# under /usr (korvel-calc too once the build has it), the desktop entry, AppStream entry and
# file type through the desktop's own validators, lintian at the pedantic level without
# errors, and korvel-calc from the unpacked package computing the worked examples. Which
# file lands where is scripts/lib/layout.sh's.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
src=$(cd "$(dirname "$0")/.." && pwd)
source "$src/scripts/lib/layout.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$build/korvel_${version}_amd64.deb"
rm -f "$build"/korvel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
[ -f "$deb" ] || fail "cpack gave no $(basename "$deb")"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

# Control fields: name, version, a section, a maintainer, dependencies found by
# dpkg-shlibdeps and the sheet's font, and a description in English and in Chinese.
info=$(dpkg-deb --info "$deb")
for pattern in '^ Package: korvel$' "^ Version: ${version//./\\.}\$" '^ Architecture: amd64$' \
  '^ Section: [a-z]' '^ Maintainer: .+<.+@.+>' '^ Depends: .*libc6.*libqt6widgets6' \
  '^ Depends: .*fonts-wqy-microhei' '^ Description: .*cone slope' '^  .*椭圆锥坡'; do
  grep -Eq "$pattern" <<<"$info" || fail "dpkg-deb --info lacks $pattern"
done

# Contents: what the install rules put under /usr, and nothing else.
DESTDIR="$tmp/installed" cmake --install "$build" --prefix /usr >/dev/null
(cd "$tmp/installed" && find . -type f | sort) >"$tmp/want"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$tmp/have"
diff -u "$tmp/want" "$tmp/have" || fail "package contents differ from cmake --install"
# Whether the configured build has a korvel-calc target (a stale binary does not count).
calc_built=$(grep -m1 '/korvel-calc\.dir$' "$build/CMakeFiles/TargetDirectories.txt" || true)
while read -r path; do
  grep -qxF "./usr/$path" "$tmp/have" || fail "package lacks ./usr/$path"
done < <(layout_linux_files "$build" "$src" "$calc_built")
! grep -q "^\./usr/$layout_bin/liti" "$tmp/have" || fail "samples still under /usr/$layout_bin/liti"

root="$tmp/root"
dpkg -x "$deb" "$root"

# The desktop entry and the AppStream entry, each through its own validator: any error or
# warning fails.
out=$(desktop-file-validate "$root/usr/$layout_desktop_entry" 2>&1) && [ -z "$out" ] ||
  fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net --pedantic --explain "$root/usr/$layout_metainfo" 2>&1) ||
  fail "appstreamcli validate: $out"
echo "appstreamcli: $(tail -n1 <<<"$out")"

# The file type: well-formed XML that update-mime-database reads without a complaint into a
# glob for *.zdy; the desktop's cache of handlers has the desktop entry open that type, the
# AppStream entry provides it, and the theme has its icon at every size the program's has.
xml="$root/usr/$layout_file_type"
xmllint --noout "$xml" || fail "xmllint: $xml"
type=$(xmllint --xpath 'string(//*[local-name()="mime-type"]/@type)' "$xml")
mkdir -p "$tmp/mime/packages"
cp "$xml" "$tmp/mime/packages/"
out=$(XDG_DATA_HOME="$tmp" PKGSYSTEM_ENABLE_FSYNC=0 update-mime-database "$tmp/mime" 2>&1) &&
  [ -z "$out" ] || fail "update-mime-database: $out"
grep -qxF "50:$type:*.zdy" "$tmp/mime/globs2" || fail "no *.zdy glob for $type"
mkdir -p "$tmp/applications"
cp "$root/usr/$layout_desktop_entry" "$tmp/applications/"
update-desktop-database "$tmp/applications"
grep -qxF "$type=korvel.desktop;" "$tmp/applications/mimeinfo.cache" ||
  fail "the desktop entry does not open $type"
grep -qF "<mediatype>$type</mediatype>" "$root/usr/$layout_metainfo" ||
  fail "AppStream entry does not provide $type"
icons="$root/usr/$layout_icons"
for icon in "$icons"/*/apps/korvel.png; do
  size=$(basename "$(dirname "$(dirname "$icon")")")
  [ -f "$icons/$size/mimetypes/${type//\//-}.png" ] || fail "no $size icon for $type"
done

# lintian with pedantic and experimental tags: errors fail, any other tag is shown.
lint=$(lintian --pedantic -I -E "$deb" 2>&1 | grep -v 'running with root privileges' || true)
echo "lintian --pedantic: ${lint:-no tags}"
! grep -q '^E: ' <<<"$lint" || fail "lintian reports errors"

if [ -z "$calc_built" ]; then
  echo "skipped: the build has no korvel-calc yet, so no run from the unpacked package"
  exit 0
fi

# korvel-calc's manual page is made from its --help: every option and every Chinese word the
# program prints there is on the page.
calc="$root/usr/$layout_bin/korvel-calc"
page=$(zcat "$root/usr/$layout_man/korvel-calc.1.gz" | sed 's/\\-/-/g')
help=$("$calc" --help)
while read -r word; do
  grep -qF -- "$word" <<<"$page" || fail "korvel-calc.1 lacks $word from --help"
done < <(grep -o -- '--[a-z][a-z-]*' <<<"$help"; LC_ALL=C.UTF-8 grep -oP '\p{Han}+' <<<"$help")

# korvel-calc from the unpacked package on the installed samples, in 位置2, under a
# point-decimal and a comma-decimal locale.
liti="$root/usr/$layout_samples"
step_rows=$'  1     3003.069     5008.352\n  2     3002.305     5010.672\n  3     3001.359     5012.808\n  4     3000.188     5014.718\n  5     2998.664     5016.271\n  6     2995.451     5016.120\n  7     2995.451     5016.120'
angle_rows=$'  1     1007.000     512.124\n  2     1009.393     510.857\n  3     1009.717     507.920\n  4     1008.933     505.322\n  5     1008.000     503.464\n  6     1008.000     503.464'
for locale in C.UTF-8 de_DE.UTF-8; do
  got=$(LC_ALL=$locale "$calc" --step --position 2 --params "$liti/例1_按步长.zdy")
  [ "$got" = "$step_rows" ] || fail "korvel-calc --step under $locale gave:"$'\n'"$got"
  got=$(LC_ALL=$locale "$calc" --angle --position 2 --params "$liti/例2_按角值.zdy")
  [ "$got" = "$angle_rows" ] || fail "korvel-calc --angle under $locale gave:"$'\n'"$got"
done
echo "korvel-calc from the package computes both worked examples"

# The stake-out sheet through the packaged module, in the font the package depends on, read
# back by poppler: every font embedded, the header and the last point's row.
sheet="$root/sheet.pdf"
"$calc" --step --position 2 --prefix L2- --part "K12+345 左幅" -o "$sheet" \
  --params "$liti/例1_按步长.zdy" || fail "korvel-calc from the package wrote no sheet"
! pdffonts "$sheet" | awk 'NR > 2 && $(NF-4) != "yes"' | grep -q . || fail "a font of the sheet is not embedded"
text=$(pdftotext -layout "$sheet" -)
grep -q "K12+345 左幅" <<<"$text" || fail "the sheet lacks its header"
grep -qE "L2-7 +2995\.451 +5016\.120 +0\.000" <<<"$text" || fail "the sheet lacks its last row"
echo "korvel-calc from the package writes the stake-out sheet"
