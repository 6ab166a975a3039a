#!/usr/bin/env bash
# Installs what both builds and the tests need on a Debian machine. Idempotent: when every
# package is already there it only checks and returns.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  zlib1g-dev libgtest-dev libgmock-dev googletest libbenchmark-dev
  g++-mingw-w64-i686-posix libz-mingw-w64-dev
  wine wine32:i386 xvfb xauth
  imagemagick xdotool xclip python3
  nsis
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
echo "setup: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" \
  >/dev/null
