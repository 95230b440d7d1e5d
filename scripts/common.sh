# Shared by the build, run and test scripts (sourced).
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${VERKO_BUILD:-$ROOT/build}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

# The Windows build that Wine can run here: the 32-bit program where the
# kernel runs 32-bit code, else the same program built for x86_64 (wine64).
runnable_arch() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
}

wine_loader() {
  if [ "$1" = win32 ]; then echo wine; else echo /usr/lib/wine/wine64; fi
}

# configure DIR [cmake args...]: configures a build folder once; ninja re-runs cmake when needed.
configure() {
  local dir=$1; shift
  [ -f "$dir/build.ninja" ] || cmake -G Ninja -S "$ROOT" -B "$dir" -Wno-dev "$@" >/dev/null
}

toolchain() { echo "$ROOT/cmake/mingw-$([ "$1" = win32 ] && echo i686 || echo x86_64).cmake"; }

# build_windows ARCH WITH_TESTS: builds the program (and its Wine tests).
build_windows() {
  local arch=$1 tests=$2
  configure "$BUILD/$arch" -DCMAKE_TOOLCHAIN_FILE="$(toolchain "$arch")" -DVERKO_PROGRAM_TESTS="$tests" \
            -DVERKO_WINE_EXEC="$ROOT/scripts/wine-exec.sh"
  cmake -S "$ROOT" -B "$BUILD/$arch" -DVERKO_PROGRAM_TESTS="$tests" >/dev/null
  ninja -C "$BUILD/$arch"
}

# Creates the Wine prefix of a build folder once.
ensure_prefix() {
  local arch=$1
  export WINEPREFIX="$BUILD/$arch/wineprefix"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "creating Wine prefix $WINEPREFIX"
    "$(wine_loader "$arch")" wineboot --init >/dev/null 2>&1 || true
    wineserver -w 2>/dev/null || true
  fi
  # Under Xvfb no window manager answers, and Wine waits 2 s on each managed window it
  # hides; the program tests' windows are left unmanaged.
  grep -q 'verko_program_tests.exe\\\\X11 Driver' "$WINEPREFIX/user.reg" 2>/dev/null ||
    "$(wine_loader "$arch")" reg add 'HKCU\Software\Wine\AppDefaults\verko_program_tests.exe\X11 Driver' \
      /v Managed /d N /f >/dev/null 2>&1 || true
}
