#!/usr/bin/env bash
# Runs a command with i386 programs started by qemu-i386-static: as it is where setup.sh
# registered that with the kernel, else in a user and mount namespace of its own whose private
# binfmt_misc does it, so that nothing outside (other users' 32-bit programs) is slowed down.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
i386_emulation_registered && exec "$@"
exec unshare --user --map-root-user --mount --propagation private bash -c '
  source "$1" && shift &&
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc && register_i386_emulation && exec "$@"' \
  _ "$ROOT/scripts/common.sh" "$@"
