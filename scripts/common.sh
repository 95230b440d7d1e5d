# Shared by the build, run and test scripts (sourced).
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${VERKO_BUILD:-$ROOT/build}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

# binfmt_misc's entry for i386 programs, as setup.sh registers it.
I386_ENTRY=/proc/sys/fs/binfmt_misc/qemu-i386

i386_emulation_registered() { [ "$(head -n1 "$I386_ENTRY" 2>/dev/null)" = enabled ]; }

# How 32-bit programs run here: native (the kernel runs them), emulated (the kernel hands them
# to qemu; VERKO_EMULATE_I386=1 asks for that where they would run natively) or none.
i386_mode() {
  if [ -n "${VERKO_EMULATE_I386:-}" ] || i386_emulation_registered; then
    echo emulated
  elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo native
  else
    echo none
  fi
}

# Tells the binfmt_misc mounted on /proc/sys/fs/binfmt_misc to start i386 programs with qemu.
register_i386_emulation() {
  local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" >/proc/sys/fs/binfmt_misc/register
}

# The Windows build to start here: the 32-bit program where the kernel runs 32-bit code, else
# the same program built for x86_64 (wine64); under emulation Wine takes minutes to start.
runnable_arch() {
  if [ "$(i386_mode)" = native ]; then echo win32; else echo win64; fi
}

# with_display COMMAND...: runs the command on the display there is, else on a new Xvfb one.
with_display() {
  if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$@"; fi
}

# with_test_display COMMAND...: runs the command on an X display of the tests' own (a new Xvfb),
# named in VERKO_TEST_DISPLAY: the tests remap keys and type there, never on a person's display.
with_test_display() {
  xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -c 'export VERKO_TEST_DISPLAY=$DISPLAY; exec "$@"' _ "$@"
}

# Whether DISPLAY is the tests' own display.
on_test_display() { [ -n "${DISPLAY:-}" ] && [ "$DISPLAY" = "${VERKO_TEST_DISPLAY:-}" ]; }

wine_loader() {
  if [ "$1" = win32 ]; then echo wine; else echo /usr/lib/wine/wine64; fi
}

# configure DIR [cmake args...]: configures a build folder once; ninja re-runs cmake when needed.
configure() {
  local dir=$1; shift
  [ -f "$dir/build.ninja" ] || cmake -G Ninja -S "$ROOT" -B "$dir" -Wno-dev "$@" >/dev/null
}

# The libFuzzer targets, built with clang in a folder of their own; tests/fuzz/run.sh runs them.
build_fuzz() {
  configure "$BUILD/fuzz" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVERKO_FUZZ=ON
  ninja -C "$BUILD/fuzz"
}

toolchain() { echo "$ROOT/cmake/mingw-$([ "$1" = win32 ] && echo i686 || echo x86_64).cmake"; }

# build_windows ARCH WITH_TESTS [CMAKE OPTION...]: builds the program (and its Wine tests).
build_windows() {
  local arch=$1 tests=$2
  shift 2
  configure "$BUILD/$arch" -DCMAKE_TOOLCHAIN_FILE="$(toolchain "$arch")" -DVERKO_PROGRAM_TESTS="$tests" \
            -DVERKO_WINE_EXEC="$ROOT/scripts/wine-exec.sh" "$@"
  cmake -S "$ROOT" -B "$BUILD/$arch" -DVERKO_PROGRAM_TESTS="$tests" "$@" >/dev/null
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
  grep -q 'verko_program_tests.exe\\\\X11 Driver' "$WINEPREFIX/user.reg" 2>/dev/null && return
  "$(wine_loader "$arch")" reg add 'HKCU\Software\Wine\AppDefaults\verko_program_tests.exe\X11 Driver' \
    /v Managed /d N /f >/dev/null 2>&1 || true
  # Wine's tools run here without a display; a program started before their wineserver ends
  # would join it and find no display to open a window on.
  wineserver -w 2>/dev/null || true
}
