#!/usr/bin/env bash
# Installs what building and testing Verko needs on Debian 12, and the packages named as
# arguments (what packaging needs); quick when all is there. Where the kernel cannot run
# 32-bit code, it also has the kernel start i386 programs with qemu.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

# install_missing PACKAGE...: installs those not there yet (as root).
install_missing() {
  local need=() p
  for p in "$@"; do have "$p" || need+=("$p"); done
  [ ${#need[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: missing packages: ${need[*]} (run as root to install them)" >&2
    return 1
  fi
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${need[@]}"
}

install_missing cmake ninja-build g++ googletest xdotool g++-mingw-w64-i686-posix binutils-mingw-w64-i686 \
  wine wine32:i386 wine64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
  xvfb xauth x11-utils x11-xserver-utils fonts-dejavu-core imagemagick clang \
  libuchardet-dev libenca-dev librcd-dev "$@"
# The printer of the printing tests; without it everything else still runs.
install_missing cups printer-driver-cups-pdf poppler-utils ghostscript libcups2:i386 ||
  echo "setup: no printer packages: the printing tests will fail" >&2
mode=$(i386_mode)
[ "$mode" = native ] && exit 0
install_missing qemu-user-static
[ "$mode" = emulated ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "setup: this kernel cannot run 32-bit code; run as root to have qemu emulate it" >&2
  exit 1
fi
mountpoint -q /proc/sys/fs/binfmt_misc || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
register_i386_emulation
echo "setup: i386 programs now start under qemu-i386-static"
