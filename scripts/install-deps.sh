#!/usr/bin/env bash
# Installs the tools that build and test Corvane on Debian 12, only when one of them is missing.
set -euo pipefail

# fonts-wine: Wine's own fonts, which draw the frame buttons; without them Wine shows letters in their place.
# wixl and msitools: the Windows Installer package is made, read and unpacked with them.
packages=(cmake ninja-build g++ g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 fonts-wine xvfb xauth
  imagemagick googletest clang libclang-rt-14-dev xdotool wixl msitools)

complete=true
for tool in cmake ninja g++ x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-widl wine wineserver winepath \
  xvfb-run xauth import xdotool clang++ wixl msiinfo msiextract; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    complete=false
  fi
done
[ -x /usr/lib/wine/wine64 ] || complete=false
[ -d /usr/share/wine/fonts ] || complete=false
[ -f /usr/src/googletest/CMakeLists.txt ] || complete=false
compgen -G '/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a' >/dev/null || complete=false
if $complete; then
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
echo "Installing: ${packages[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${packages[@]}"
