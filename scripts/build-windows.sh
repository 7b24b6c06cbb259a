#!/usr/bin/env bash
# Builds Korvel for Windows x86-64 on this Debian machine, from Debian packages only:
# the mingw-w64 cross compilers (posix threads), Qt's qtbase from Debian's own source of the
# host's Qt version, and zlib and libxlsxwriter from their Debian sources. The cross-built
# dependencies are cached in ~/.cache/korvel-windows (KORVEL_WINDOWS_CACHE), so only the
# first run takes long (about an hour on 2 cores). The results are dist/korvel-<version>-win64.zip
# and, from the same files, the installer dist/korvel-<version>-win64-setup.exe (NSIS).
#   scripts/build-windows.sh            # everything
#   scripts/build-windows.sh --deps     # only the cached dependencies
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
cache=${KORVEL_WINDOWS_CACHE:-$HOME/.cache/korvel-windows}
toolchain=$cache/mingw-toolchain.cmake
jobs=$(nproc)
step() { echo "== $(date +%H:%M:%S) $*"; }

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# The cross compilers, makensis for the installer, ImageMagick for the icon, and access to
# Debian's source packages of the dependencies.
install_tools() {
  local need=() p refresh=""
  for p in g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools dpkg-dev python3 \
    nsis imagemagick; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
  done
  if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    step "enabling deb-src for the same Debian archive"
    for f in /etc/apt/sources.list.d/*.sources; do
      [ -f "$f" ] || continue
      sed -e 's/^Types: deb$/Types: deb-src/' "$f" | $sudo tee "${f%.sources}-src.sources" >/dev/null
    done
    refresh=yes
  fi
  if ((${#need[@]})) || [ -n "$refresh" ]; then
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
  fi
  if ((${#need[@]})); then
    step "installing ${need[*]}"
    $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
  fi
  mkdir -p "$cache"
  cp "$root/scripts/windows/mingw-toolchain.cmake" "$cache/mingw-toolchain.cmake"
}

# Unpacks Debian's source of a package at `version` into $cache/src and prints the folder,
# which dpkg-source names after the upstream version (no epoch, no Debian revision).
debian_source() {
  local pkg=$1 version=$2 upstream dir
  upstream=${version#*:}
  dir=$cache/src/$pkg-${upstream%-*}
  if [ ! -d "$dir" ]; then
    mkdir -p "$cache/src"
    (cd "$cache/src" && apt-get source -qq "$pkg=$version" >&2)
  fi
  echo "$dir"
}

host_version() { dpkg-query -W -f='${Version}' "$1"; }

# Qt's qtbase for Windows: Core, Gui, Widgets and Test, with its bundled third-party code.
build_qt() {
  local version src build
  version=$(host_version qt6-base-dev)
  if [ -f "$cache/qt/.korvel-$version" ]; then
    step "Qt $version for Windows: cached in $cache/qt"
    return
  fi
  step "Qt $version for Windows: unpacking Debian's source"
  src=$(debian_source qt6-base "$version")
  build=$cache/qt-build
  rm -rf "$build" "$cache/qt"
  mkdir -p "$build"
  step "Qt: configuring"
  (cd "$build" && "$src/configure" -prefix "$cache/qt" -release -xplatform win32-g++ \
    -device-option CROSS_COMPILE=x86_64-w64-mingw32- -qt-host-path /usr \
    -nomake examples -nomake tests -no-opengl -no-dbus -no-feature-sql -no-feature-network \
    -no-feature-printsupport -no-feature-vulkan -no-feature-concurrent -no-feature-xml \
    -no-feature-tabletevent -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-harfbuzz \
    -qt-freetype -qt-doubleconversion -- -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake) >"$cache/qt-configure.log" 2>&1 ||
    { tail -n 40 "$cache/qt-configure.log"; exit 1; }
  step "Qt: building (about 1100 steps; progress in $cache/qt-build.log)"
  cmake --build "$build" --parallel "$jobs" >"$cache/qt-build.log" 2>&1 ||
    { tail -n 40 "$cache/qt-build.log"; exit 1; }
  cmake --install "$build" >"$cache/qt-install.log" 2>&1
  touch "$cache/qt/.korvel-$version"
  rm -rf "$build"
  step "Qt: installed in $cache/qt ($(du -sh "$cache/qt" | cut -f1))"
}

# Compiles C files into the static library $deps/lib/lib<name>.a.
static_c_library() {
  local name=$1 objdir
  shift
  objdir=$(mktemp -d)
  for c in "${sources[@]}"; do
    x86_64-w64-mingw32-gcc-posix -O2 -w "$@" -c "$c" -o "$objdir/$(basename "${c%.c}").o"
  done
  rm -f "$deps/lib/lib$name.a"
  x86_64-w64-mingw32-ar rcs "$deps/lib/lib$name.a" "$objdir"/*.o
  rm -rf "$objdir"
}

# zlib and minizip (zip and unzip) from zlib's Debian source, and libxlsxwriter from its own,
# built on that minizip: three static libraries in $cache/deps.
build_libraries() {
  deps=$cache/deps
  local zversion xversion stamp zsrc xsrc sources
  # zlib's release in the distribution itself: a security update's source may be missing
  # from the mirror, and the cross-built copy serves only the workbook's zip.
  zversion=$(apt-cache showsrc zlib | sed -n 's/^Version: //p' | sort -V | head -n 1)
  xversion=$(apt-cache showsrc libxlsxwriter | sed -n 's/^Version: //p' | sort -V | tail -n 1)
  stamp="$deps/.korvel-zlib-$zversion-xlsxwriter-$xversion"
  if [ -f "$stamp" ]; then
    step "zlib, minizip and libxlsxwriter for Windows: cached in $deps"
    return
  fi
  step "zlib $zversion and libxlsxwriter $xversion for Windows"
  rm -rf "$deps"
  mkdir -p "$deps/lib" "$deps/include/minizip"
  zsrc=$(debian_source zlib "$zversion")
  xsrc=$(debian_source libxlsxwriter "$xversion")
  sources=("$zsrc"/{adler32,compress,crc32,deflate,gzclose,gzlib,gzread,gzwrite,infback,inffast,inflate,inftrees,trees,uncompr,zutil}.c)
  static_c_library z -I"$zsrc"
  cp "$zsrc"/zlib.h "$zsrc"/zconf.h "$deps/include/"
  sources=("$zsrc"/contrib/minizip/{ioapi,iowin32,unzip,zip}.c)
  static_c_library minizip -I"$deps/include" -DNOCRYPT -DNOUNCRYPT
  cp "$zsrc"/contrib/minizip/{ioapi,iowin32,unzip,zip}.h "$deps/include/minizip/"
  sources=("$xsrc"/src/*.c "$xsrc"/third_party/md5/md5.c "$xsrc"/third_party/tmpfileplus/tmpfileplus.c)
  static_c_library xlsxwriter -I"$xsrc/include" -I"$deps/include" -DUSE_SYSTEM_MINIZIP -DNOCRYPT -DNOUNCRYPT
  cp -r "$xsrc"/include/xlsxwriter.h "$xsrc"/include/xlsxwriter "$deps/include/"
  touch "$stamp"
}

# korvel.exe's icon: the PNG files the Linux build draws with the program's own code
# (korvel_icon_png in build/), in one .ico from 16 to 256 pixels.
make_icon() {
  step "the program icon from the Linux build's PNG files"
  [ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build --target korvel_icons --parallel "$jobs" >/dev/null
  mkdir -p build-windows
  convert build/app/icons/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/korvel.png \
    build-windows/korvel.ico
}

# Korvel itself, configured with the cross-built Qt's qt-cmake, into build-windows/.
build_korvel() {
  step "Korvel for Windows: configuring and building in build-windows/"
  mkdir -p build-windows
  "$cache/qt/bin/qt-cmake" -S . -B build-windows -DCMAKE_BUILD_TYPE=Release \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DCMAKE_PREFIX_PATH="$cache/deps" \
    -DKORVEL_WINDOWS_ICON="$root/build-windows/korvel.ico" \
    -DKORVEL_BENCH=OFF >build-windows/configure.log 2>&1 || { tail -n 40 build-windows/configure.log; exit 1; }
  cmake --build build-windows --parallel "$jobs" >build-windows/build.log 2>&1 ||
    { grep -m 20 -A 5 'error' build-windows/build.log; exit 1; }
}

# The folder a Windows user unzips: the programs, the Qt and mingw runtime DLLs laid out as a
# Qt deployment expects, Qt's Chinese button texts, the liti samples and a short guide; and
# the installer made of the same folder (scripts/windows/make-installer.sh).
package() {
  local version name stage dll
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
  name=korvel-$version-win64
  stage=$(mktemp -d)/$name
  mkdir -p "$stage/platforms" "$stage/styles" "$stage/translations" "$stage/liti"
  cp build-windows/app/korvel.exe "$stage/"
  [ ! -f build-windows/cli/korvel-calc.exe ] || cp build-windows/cli/korvel-calc.exe \
    build-windows/cli/korvel-calc-sheet.dll "$stage/"
  cp "$cache"/qt/bin/Qt6{Core,Gui,Widgets}.dll "$stage/"
  cp "$cache/qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
  cp "$cache/qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
  cp /usr/share/qt6/translations/qtbase_zh_CN.qm "$stage/translations/"
  for dll in libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll; do
    cp "$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")" "$stage/"
  done
  cp files/liti/*.zdy "$stage/liti/"
  # The sheets' font, which reads back from a PDF as the characters written, with its licence.
  mkdir -p "$stage/fonts"
  cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$stage/fonts/"
  cp /usr/share/doc/fonts-wqy-microhei/copyright "$stage/fonts/wqy-microhei-copyright.txt"
  # Notepad on a Chinese Windows reads GBK with CR LF line ends.
  sed 's/$/\r/' scripts/windows/说明.txt | iconv -f UTF-8 -t GBK >"$stage/说明.txt"
  # Debug sections are of no use on a surveyor's PC and are most of the bytes.
  find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
  mkdir -p dist
  rm -f "dist/$name.zip"
  # Python's zipfile marks the Chinese names as UTF-8, which Windows' own unzip honours.
  (cd "$(dirname "$stage")" && python3 -m zipfile -c "$root/dist/$name.zip" "$name")
  step "dist/$name.zip ($(du -h "dist/$name.zip" | cut -f1))"
  rm -f "dist/$name-setup.exe"
  scripts/windows/make-installer.sh "$stage" "$version" build-windows/korvel.ico \
    "dist/$name-setup.exe"
  rm -rf "$(dirname "$stage")"
  step "dist/$name-setup.exe ($(du -h "dist/$name-setup.exe" | cut -f1))"
}

install_tools
build_qt
build_libraries
[ "${1:-}" = "--deps" ] && exit 0
make_icon
build_korvel
package
