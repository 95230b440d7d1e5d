#!/usr/bin/env bash
# Runs a program of a Windows build folder under Wine with that folder's own prefix, or the
# one VERKO_WINEPREFIX names.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
exe=$1; shift
dir=$(cd "$(dirname "$exe")" && pwd)
case "$(basename "$dir")" in win32) arch=win32 ;; *) arch=win64 ;; esac
export WINEPREFIX=${VERKO_WINEPREFIX:-$dir/wineprefix}
exec "$(wine_loader "$arch")" "$exe" "$@"
