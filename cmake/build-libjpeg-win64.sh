#!/usr/bin/env bash
# Fetches Debian's libjpeg-turbo source package and builds a static libjpeg.a for
# 64-bit Windows. Usage: build-libjpeg-win64.sh WORKDIR TOOLCHAIN_FILE
set -euo pipefail
work=$1
toolchain=$2
mkdir -p "$work"
cd "$work"
work=$PWD

if ! ls libjpeg-turbo_*.orig.tar.* >/dev/null 2>&1; then
  # A private apt state that knows the source entries matching the machine's own
  # binary entries, so nothing outside this folder changes.
  mkdir -p apt/sources apt/lists/partial
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    sed -e 's/^Types:.*/Types: deb-src/' "$f" >"apt/sources/$(basename "$f")"
  done
  if [ -f /etc/apt/sources.list ]; then
    sed -n -e 's/^deb /deb-src /p' /etc/apt/sources.list >apt/sources/main.list
  fi
  opts=(-o Dir::Etc::SourceParts="$work/apt/sources" -o Dir::Etc::SourceList=/dev/null
        -o Dir::State::Lists="$work/apt/lists" -o APT::Sandbox::User=root)
  apt-get "${opts[@]}" update -qq
  apt-get "${opts[@]}" source --download-only libjpeg-turbo
fi

src=$(ls -d libjpeg-turbo-*/ 2>/dev/null | head -n 1 || true)
if [ -z "$src" ]; then
  tar xf libjpeg-turbo_*.orig.tar.*
  src=$(ls -d libjpeg-turbo-*/ | head -n 1)
fi

cmake -S "$src" -B build -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF \
  -DCMAKE_INSTALL_PREFIX="$work/install" >build.log 2>&1 || { cat build.log; exit 1; }
cmake --build build -j "$(nproc)" >>build.log 2>&1 || { tail -50 build.log; exit 1; }
cmake --install build >>build.log 2>&1 || { tail -50 build.log; exit 1; }
