#!/usr/bin/env bash
# Installs what building and testing Verko needs on Debian 12; quick when all is there.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

for p in cmake ninja-build g++ googletest xdotool g++-mingw-w64-i686-posix binutils-mingw-w64-i686 \
         wine wine32:i386 wine64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
         xvfb xauth x11-utils x11-xserver-utils fonts-dejavu-core imagemagick clang \
         cups printer-driver-cups-pdf poppler-utils ghostscript libcups2:i386; do
  have "$p" || need+=("$p")
done
[ ${#need[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: missing packages: ${need[*]} (run as root to install them)" >&2
  exit 1
fi
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${need[@]}"
