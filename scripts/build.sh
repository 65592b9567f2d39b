#!/usr/bin/env bash
# Configures (once) and builds the project's build trees:
#   build/host      native tools, libraries and unit tests
#   build/host-asan the same with ASan and UBSan     (only when named)
#   build/x86_64    MinGW-w64 64-bit: the build the tests run under wine64
#   build/i686      MinGW-w64 32-bit: the shipped build (Wakespan.exe and the
#                   tools only; nothing 32-bit can run on this machine)
# Usage: scripts/build.sh [host] [host-asan] [x86_64] [i686]   (default: host x86_64 i686)
# Set WAKESPAN_JOBS to change the parallelism (default 2).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
cache="${WAKESPAN_CACHE:-$HOME/.cache/wakespan}"
jobs="${WAKESPAN_JOBS:-2}"
skintool="$root/build/host/tools/skintool/skintool"

configure() { # dir, cmake arguments...
  local dir="$1"; shift
  [ -f "$dir/build.ninja" ] && return 0
  echo "build: configuring ${dir#"$root"/}"
  cmake -S "$root" -B "$dir" -G Ninja "$@" >"$dir.configure.log" 2>&1 \
    || { cat "$dir.configure.log" >&2; rm -f "$dir/build.ninja"; return 1; }
}

compile() { # dir [cmake --build arguments...]
  local dir="$1"; shift
  echo "build: building ${dir#"$root"/}"
  cmake --build "$dir" --parallel "$jobs" "$@"
}

build_host() {
  configure "$root/build/host" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  compile "$root/build/host"
}

build_host_asan() {
  # Unoptimised: compiles much faster, and the sanitizers report more precisely.
  configure "$root/build/host-asan" -DCMAKE_BUILD_TYPE=Debug -DWAKESPAN_SANITIZE=ON
  compile "$root/build/host-asan"
}

build_mingw() { # arch
  local arch="$1" extra=()
  if [ "$arch" = x86_64 ]; then
    # CTest runs the 64-bit test programs under Wine.
    extra+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/lib/wine/wine64)
  else
    extra+=(-DCMAKE_BUILD_TYPE=Release)  # the shipped build
  fi
  WAKESPAN_MINGW_DEPS="$cache/$arch-w64-mingw32" configure "$root/build/$arch" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" -DWAKESPAN_SKINTOOL="$skintool" "${extra[@]}"
  # The 32-bit test programs could never run here, so only the shipped
  # program and the tools are built for i686.
  local only=()
  [ "$arch" = i686 ] && only=(--target Wakespan probe probe_tray menu_reader minimal_window idle_timer_window)
  WAKESPAN_MINGW_DEPS="$cache/$arch-w64-mingw32" compile "$root/build/$arch" "${only[@]}"
}

targets=("$@")
[ "${#targets[@]}" -gt 0 ] || targets=(host x86_64 i686)
mkdir -p "$root/build"
# The MinGW builds pack resources with the host's skintool, so the host goes first.
for want in host host-asan x86_64 i686; do
  for t in "${targets[@]}"; do
    [ "$t" = "$want" ] || continue
    case "$t" in
      host) build_host ;;
      host-asan) build_host_asan ;;
      x86_64|i686) build_mingw "$t" ;;
    esac
  done
done
for t in "${targets[@]}"; do
  case "$t" in host|host-asan|x86_64|i686) ;; *) echo "build: unknown tree '$t'" >&2; exit 2 ;; esac
done
