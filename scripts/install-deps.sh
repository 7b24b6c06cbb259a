#!/usr/bin/env bash
# Installs the Debian packages Korvel needs to build, run and test.
# Only what is missing is installed; a machine that has everything is left alone.
set -euo pipefail

packages=(
  # toolchain and test frameworks
  build-essential cmake pkg-config g++ clang clang-format libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev locales
  # window toolkit, its Chinese translations and a CJK font with half-width Latin
  qt6-base-dev qt6-translations-l10n fonts-noto-cjk
  # the printed stake-out sheet: its embedded font (reads back clean from a PDF), fontconfig
  # to find it, and poppler-utils to read the sheet back in the tests
  fonts-wqy-microhei libfontconfig-dev poppler-utils
  # workbook writers
  libgsf-1-dev libxlsxwriter-dev
  # end-to-end window test under a real X server
  xvfb xauth xdotool x11-utils imagemagick
  # the Debian package: dpkg-shlibdeps for its dependencies and dpkg-buildflags for the
  # hardening flags, help2man for korvel-calc's manual page, lintian and the desktop's own
  # validators (desktop entry, AppStream entry, shared-mime-info) to check it
  dpkg-dev lintian help2man desktop-file-utils appstream shared-mime-info libxml2-utils
  # spreadsheet readers and a reference writer for tests and benchmarks
  python3 python3-xlrd python3-openpyxl
  libspreadsheet-parseexcel-perl libspreadsheet-writeexcel-perl
  # readers of the point files for tests: Leica GSI (Total Open Station), DXF (ezdxf, GDAL);
  # matplotlib for ezdxf's drawings, hyperfine to time whole commands
  totalopenstation python3-ezdxf gdal-bin python3-matplotlib hyperfine
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A comma-decimal locale for the locale-hostile test run.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
