#!/usr/bin/env bash
# Cross-builds the libraries the Windows program links statically (zlib, libpng, libjpeg-turbo)
# from Debian's source packages, with one of the toolchain files in cmake/. The CMake configure
# of a Windows build runs it once; it installs into PREFIX and writes PREFIX/.built last, so an
# interrupted run starts over.
#
#   tools/build-windows-deps.sh TOOLCHAIN_FILE WORK_DIR PREFIX
set -euo pipefail

toolchain=$(realpath "$1")
work=$2
prefix=$3
mkdir -p "$work" "$prefix"
work=$(realpath "$work")
prefix=$(realpath "$prefix")
sources="$work/sources"
mkdir -p "$sources"
# libjpeg-turbo's install step writes part of its output relative to where it is run; run
# everything inside the work folder so that nothing lands beside the caller.
cd "$work"

triple=$(sed -nE 's/^set\(TESSIVAR_MINGW_TRIPLE ([^)]+)\)/\1/p' "$toolchain")
windows_version=$(sed -nE 's/^set\(TESSIVAR_WINDOWS_VERSION ([^)]+)\)/\1/p' "$toolchain")
[[ -n $triple && -n $windows_version ]] || { echo "build-windows-deps: $toolchain names no target" >&2; exit 1; }

for tool in "$triple-gcc-win32" "$triple-gcc-ar-win32" cmake ninja dpkg-source apt-get; do
  command -v "$tool" >/dev/null || {
    echo "build-windows-deps: $tool is missing; run tools/setup.sh" >&2
    exit 1
  }
done

# Unpacks the newest version of a Debian source package that can be fetched (a security
# update's sources may lag behind on a mirror) into $sources/$1 and prints that folder.
unpack_source() {
  local package=$1 dir="$sources/$1" version
  if [[ -f $dir/.unpacked ]]; then
    echo "$dir"
    return
  fi
  rm -rf "$dir" "$sources/download-$package"
  mkdir -p "$sources/download-$package"
  local versions
  versions=$(apt-cache showsrc "$package" 2>/dev/null | sed -nE 's/^Version: //p' | sort -u |
    sort -r -V)
  if [[ -z $versions ]]; then
    echo "build-windows-deps: apt knows no source package $package; run tools/setup-windows-sources.sh" >&2
    return 1
  fi
  for version in $versions; do
    if (cd "$sources/download-$package" && rm -f ./* &&
      apt-get source --download-only -q "$package=$version" >/dev/null 2>&1); then
      # Debian's signatures are checked when a keyring is installed; the download came over
      # apt's signed indexes, which already fixed every file's checksum.
      (cd "$sources/download-$package" && dpkg-source --no-check -x ./*.dsc "$dir" >/dev/null)
      touch "$dir/.unpacked"
      echo "build-windows-deps: $package $version" >&2
      echo "$dir"
      return
    fi
  done
  echo "build-windows-deps: cannot fetch the source package $package" >&2
  return 1
}

jobs=2
mkdir -p "$work/logs"
# Runs a step with its output in a log that is shown when the step fails.
step() {
  local name=$1
  shift
  "$@" >"$work/logs/$name.log" 2>&1 || {
    cat "$work/logs/$name.log" >&2
    echo "build-windows-deps: $name failed" >&2
    exit 1
  }
}
common_cmake=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_POSITION_INDEPENDENT_CODE=OFF)

rm -f "$prefix/.built"

# zlib, static only; its install step would want the shared library too, so the library and
# headers are copied.
zlib_src=$(unpack_source zlib)
rm -rf "$work/zlib"
step zlib-configure cmake -S "$zlib_src" -B "$work/zlib" "${common_cmake[@]}"
step zlib-build cmake --build "$work/zlib" -j"$jobs" --target zlibstatic
mkdir -p "$prefix/lib" "$prefix/include"
cp "$work/zlib/libzlibstatic.a" "$prefix/lib/libz.a"
cp "$zlib_src/zlib.h" "$work/zlib/zconf.h" "$prefix/include/"

# libpng, static only, against that zlib.
png_src=$(unpack_source libpng1.6)
rm -rf "$work/libpng"
step libpng-configure cmake -S "$png_src" -B "$work/libpng" "${common_cmake[@]}" -DPNG_SHARED=OFF \
  -DPNG_STATIC=ON -DPNG_TESTS=OFF -DSKIP_INSTALL_PROGRAMS=ON -DSKIP_INSTALL_EXECUTABLES=ON \
  -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include"
step libpng-build cmake --build "$work/libpng" -j"$jobs" --target png_static
step libpng-install cmake --install "$work/libpng"

# libjpeg-turbo, static only, with its SIMD code when nasm is there to assemble it.
jpeg_src=$(unpack_source libjpeg-turbo)
simd=OFF
command -v nasm >/dev/null && simd=ON
rm -rf "$work/libjpeg-turbo"
step libjpeg-turbo-configure cmake -S "$jpeg_src" -B "$work/libjpeg-turbo" "${common_cmake[@]}" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD="$simd" \
  -DCMAKE_INSTALL_LIBDIR=lib -DCMAKE_INSTALL_INCLUDEDIR=include
step libjpeg-turbo-build cmake --build "$work/libjpeg-turbo" -j"$jobs" --target jpeg-static
cmake --install "$work/libjpeg-turbo" >/dev/null 2>&1 || {
  # The install step also wants the programs; the library and headers are all we need.
  cp "$work/libjpeg-turbo/libjpeg.a" "$prefix/lib/"
  cp "$jpeg_src/jpeglib.h" "$jpeg_src/jmorecfg.h" "$jpeg_src/jerror.h" \
    "$work/libjpeg-turbo/jconfig.h" "$prefix/include/"
}

for file in lib/libz.a lib/libpng16.a lib/libjpeg.a include/png.h include/jpeglib.h; do
  [[ -f $prefix/$file ]] || { echo "build-windows-deps: $prefix/$file was not built" >&2; exit 1; }
done
touch "$prefix/.built"
echo "build-windows-deps: zlib, libpng and libjpeg-turbo for $triple are in $prefix"
