#!/usr/bin/env bash
# Installs everything the build and the tests need, then builds libpng and
# libjpeg for both MinGW-w64 targets into a cache directory. Safe to run again:
# each step checks first and is skipped when its result is already there.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
cache="${WAKESPAN_CACHE:-$HOME/.cache/wakespan}"
sudo=""; [ "$(id -u)" = 0 ] || sudo="sudo"

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools binutils-mingw-w64
  libz-mingw-w64-dev zlib1g-dev libpng-dev libjpeg-dev
  wine64 fonts-wine xvfb xdotool x11-apps x11-utils imagemagick dpkg-dev
  python3 python3-pil fonts-dejavu-core libfreetype-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# Source packages are needed for the MinGW builds of libpng and libjpeg.
ensure_deb_src() {
  if ! grep -rqs 'deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/ \
     && ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      $sudo sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources
    else
      echo 'deb-src http://deb.debian.org/debian bookworm main' | $sudo tee /etc/apt/sources.list.d/wakespan-src.list >/dev/null
    fi
    return 1
  fi
  return 0
}

need_update=0
ensure_deb_src || need_update=1
[ "${#missing[@]}" -eq 0 ] || need_update=1
if [ ! -f "$cache/.sources-ok" ]; then need_update=1; fi

if [ "$need_update" = 1 ]; then
  echo "setup: apt-get update"
  $sudo apt-get update -qq
fi
if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

mkdir -p "$cache"
"$here/scripts/build-mingw-deps.sh" "$cache"
touch "$cache/.sources-ok"
echo "setup: ready (cache $cache)"
