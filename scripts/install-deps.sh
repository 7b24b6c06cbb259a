#!/usr/bin/env bash
# Installs the Debian packages Korvel needs, in one of four sets, each holding the one before:
#   scripts/install-deps.sh run    # what building and running needs (./run.sh)
#   scripts/install-deps.sh build  # and what building the suites and benchmarks needs
#   scripts/install-deps.sh test   # and what running the suites, the package check and the
#                                  # fuzzers needs (./test.sh, which installs these while it
#                                  # builds)
#   scripts/install-deps.sh all    # and what the README's by-hand commands need (the default)
# Only what is missing is installed; a machine that has everything is left alone.
set -euo pipefail

set_name=${1:-all}
case $set_name in
  run | build | test | all) ;;
  *)
    echo "usage: $0 [run|build|test|all]" >&2
    exit 2
    ;;
esac

# What building and running needs.
packages=(
  # compiler and build tools
  build-essential cmake pkg-config
  # window toolkit, its Chinese translations and a CJK font with half-width Latin
  qt6-base-dev qt6-translations-l10n fonts-noto-cjk
  # the printed stake-out sheet: its embedded font (reads back clean from a PDF) and
  # fontconfig to find it
  fonts-wqy-microhei libfontconfig-dev
  # workbook writers
  libgsf-1-dev libxlsxwriter-dev
  # korvel-calc's manual page, made from its --help at build time
  help2man
)

# What building the suites and the benchmarks needs besides: the test frameworks, and LLVM's
# linker, which links them much faster than GNU ld.
[ "$set_name" = run ] || packages+=(libgtest-dev libgmock-dev libbenchmark-dev lld)

# What running them, the package check and the fuzzers need besides.
[ "$set_name" = run ] || [ "$set_name" = build ] || packages+=(
  # clang for the sanitized build and the fuzzers, and the comma-decimal locale the suites
  # run under a second time
  clang libclang-rt-14-dev clang-format locales
  # poppler-utils to read the sheet back in the tests
  poppler-utils
  # end-to-end window test under a real X server
  xvfb xauth xdotool x11-utils imagemagick
  # the Debian package: dpkg-shlibdeps for its dependencies and dpkg-buildflags for the
  # hardening flags, lintian and the desktop's own validators (desktop entry, AppStream
  # entry, shared-mime-info) to check it
  dpkg-dev lintian desktop-file-utils appstream shared-mime-info libxml2-utils
  # spreadsheet readers
  python3 python3-xlrd python3-openpyxl libspreadsheet-parseexcel-perl
  # readers of the point files: Leica GSI (Total Open Station), DXF (ezdxf, GDAL)
  totalopenstation python3-ezdxf gdal-bin
)

# What the by-hand commands need besides: hyperfine to time whole commands, the reference
# workbook writer the workbook benchmark runs beside Korvel's, and matplotlib for ezdxf's
# pictures of a drawing (scripts/render-dxf.py, scripts/render-slope.py).
[ "$set_name" != all ] || packages+=(hyperfine libspreadsheet-writeexcel-perl python3-matplotlib)

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
if [ "$set_name" != run ] && [ "$set_name" != build ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
