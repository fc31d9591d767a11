#!/usr/bin/env bash
# Installs the Debian packages that building and testing Velmora need, when
# they are missing. Safe to run again: it installs nothing that is present.
set -euo pipefail

packages=(cmake ninja-build g++ clang-14 libclang-rt-14-dev googletest libgtest-dev libgmock-dev
          libbenchmark-dev valgrind python3 g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth xdotool imagemagick)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# The googletest sources are what the builds compile against, for both targets.
[ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi
