#!/usr/bin/env bash
# Builds static libjpeg and libpng for both MinGW-w64 targets from Debian's
# source packages into CACHE/<triplet>. A target whose libraries are already
# there is skipped, so a second run costs nothing.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
cache="$1"
src="$cache/src"

fetch_source() { # package -> prints the unpacked directory
  local pkg="$1"
  mkdir -p "$src"
  local dir
  dir=$(find "$src" -maxdepth 1 -type d -name "$pkg-*" | head -n 1)
  if [ -z "$dir" ]; then
    # The newest source may sit on a security mirror that does not serve it;
    # the release archive's version of the same package builds just as well.
    (cd "$src" && apt-get source -qq "$pkg" >/dev/null 2>&1) \
      || (cd "$src" && apt-get source -qq "$pkg/$(. /etc/os-release && echo "$VERSION_CODENAME")" >/dev/null 2>&1) \
      || true
    dir=$(find "$src" -maxdepth 1 -type d -name "$pkg-*" | head -n 1)
  fi
  [ -n "$dir" ] || { echo "setup: could not unpack the source of $pkg" >&2; exit 1; }
  echo "$dir"
}

build_target() { # triplet
  local triplet="$1" arch
  case "$triplet" in x86_64*) arch=x86_64 ;; *) arch=i686 ;; esac
  local prefix="$cache/$triplet"
  if [ -f "$prefix/lib/libpng.a" ] && [ -f "$prefix/lib/libjpeg.a" ]; then return; fi
  echo "setup: building libjpeg and libpng for $triplet"
  local toolchain="$here/cmake/mingw-$arch.cmake"
  local work="$cache/build/$triplet"
  rm -rf "$work"; mkdir -p "$work"

  cmake -S "$jpeg_src" -B "$work/jpeg" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
    -DWITH_JPEG8=OFF -DCMAKE_INSTALL_LIBDIR="$prefix/lib" >/dev/null
  # The library directory is given absolute: libjpeg-turbo takes a relative
  # one as relative to the working directory, not to the prefix.
  cmake --build "$work/jpeg" --target install >/dev/null

  cmake -S "$png_src" -B "$work/png" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DSKIP_INSTALL_PROGRAMS=ON -DSKIP_INSTALL_FILES=ON -DCMAKE_INSTALL_LIBDIR=lib >/dev/null
  cmake --build "$work/png" --target install >/dev/null
  rm -rf "$work"
}

need=0
for t in i686-w64-mingw32 x86_64-w64-mingw32; do
  [ -f "$cache/$t/lib/libpng.a" ] && [ -f "$cache/$t/lib/libjpeg.a" ] || need=1
done
[ "$need" = 1 ] || exit 0

jpeg_src=$(fetch_source libjpeg-turbo)
png_src=$(fetch_source libpng1.6)
build_target i686-w64-mingw32
build_target x86_64-w64-mingw32
