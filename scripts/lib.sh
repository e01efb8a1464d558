# Shared by run.sh, test.sh and the Wine wrapper: packages, build, Wine prefix, display.
# Source it; it defines functions and VARNOCK_ROOT / VARNOCK_BUILD.

VARNOCK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VARNOCK_BUILD="$VARNOCK_ROOT/build"

VARNOCK_PACKAGES="cmake ninja-build g++ libgtest-dev g++-mingw-w64-x86-64-posix wine64 wine \
xvfb xdotool imagemagick x11-utils fonts-dejavu-core fonts-liberation procps clang libclang-rt-dev"
# The release zip (scripts/package.sh) and its test.
VARNOCK_PACKAGES="$VARNOCK_PACKAGES zip unzip"
# The house style check (scripts/format.sh --check).
VARNOCK_PACKAGES="$VARNOCK_PACKAGES clang-format"

varnock_install_packages() {
  local missing=()
  for p in $VARNOCK_PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing Debian packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

varnock_build() {  # $1 = preset
  cd "$VARNOCK_ROOT" || return 1
  [ -f "build/$1/CMakeCache.txt" ] || cmake --preset "$1" >/dev/null || return 1
  cmake --build --preset "$1" -- -j"$(nproc)"
}

# The Wine environment of the build tree: never the user's own ~/.wine. VARNOCK_WINE_DPI
# (for example 144) picks the build tree's prefix whose screen has that DPI.
varnock_wine_env() {
  local default="$VARNOCK_BUILD/wineprefix"
  [ -n "${VARNOCK_WINE_DPI:-}" ] && default="$VARNOCK_BUILD/wineprefix-dpi$VARNOCK_WINE_DPI"
  export WINEPREFIX="${VARNOCK_WINEPREFIX:-$default}"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  unset WINELOADER
}

# A private Xvfb display; sets DISPLAY and VARNOCK_XVFB_PID.
varnock_start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    VARNOCK_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 50); do
      xdpyinfo -display ":$n" >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$VARNOCK_XVFB_PID" 2>/dev/null
  done
  echo "Could not start Xvfb" >&2
  return 1
}

varnock_stop_xvfb() {
  [ -n "${VARNOCK_XVFB_PID:-}" ] && kill "$VARNOCK_XVFB_PID" 2>/dev/null
  VARNOCK_XVFB_PID=""
}

# Creates and prepares the prefix once (no crash dialog, fonts, face mapping,
# classic theme, shared virtual desktop).
varnock_prepare_prefix() {
  varnock_wine_env
  [ -n "$WINEPREFIX" ] || return 1
  if [ -n "${VARNOCK_WINE_DPI:-}" ]; then varnock_prepare_dpi_prefix; return; fi
  local ready="$WINEPREFIX/.varnock-ready-3"
  [ -f "$ready" ] && return 0
  echo "Preparing the Wine prefix in $WINEPREFIX ..."
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
  for f in /usr/share/fonts/truetype/dejavu/DejaVuSansMono*.ttf \
           /usr/share/fonts/truetype/liberation/Liberation{Mono,Sans,Serif}-*.ttf; do
    [ -f "$f" ] && cp -n "$f" "$WINEPREFIX/drive_c/windows/Fonts/"
  done
  wine regedit /s "$(winepath -w "$VARNOCK_ROOT/scripts/prefix.reg")" >/dev/null 2>&1
  wineserver -w
  touch "$ready"
}

# The prefix of another DPI, made once from the prepared 96-dpi prefix in seconds: its
# files are hard links to that prefix's (Wine never rewrites them), but the registry and
# the .ini files it may write are copies of its own, and its screen reports
# VARNOCK_WINE_DPI dots per inch.
varnock_prepare_dpi_prefix() {
  local dpi="$VARNOCK_WINE_DPI" target="$WINEPREFIX"
  local ready="$target/.varnock-ready-dpi"
  [ -f "$ready" ] && return 0
  local base
  base="$(VARNOCK_WINE_DPI='' VARNOCK_WINEPREFIX='' varnock_prepare_prefix >&2 && echo "$VARNOCK_BUILD/wineprefix")" || return 1
  echo "Preparing the Wine prefix at $dpi dpi in $target ..."
  rm -rf "$target"
  cp -al "$base" "$target" || return 1
  rm -f "$target"/.varnock-ready-*
  local f
  while IFS= read -r -d '' f; do
    cp --remove-destination "$f" "$f.copy" && mv -f "$f.copy" "$f"
  done < <(find "$target" -maxdepth 1 -type f -print0; find "$target/drive_c" -type f -iname '*.ini' -print0)
  varnock_wine_env
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%08x\n' "$dpi" > "$target/dpi.reg"
  timeout 120 wine regedit /s "$(winepath -w "$target/dpi.reg")" >/dev/null 2>&1
  timeout 60 wineserver -w
  touch "$ready"
}

# --- Printing: CUPS with its PDF printer, the queue "PDF", for the print tests ----------
# Installs what it lacks, starts the scheduler when none runs and adds the queue when it
# is missing. varnock_stop_printing stops the scheduler only if this shell started it.
VARNOCK_PRINT_PACKAGES="cups printer-driver-cups-pdf poppler-utils ghostscript"

varnock_start_printing() {
  VARNOCK_PACKAGES="$VARNOCK_PRINT_PACKAGES" varnock_install_packages || return 1
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  VARNOCK_CUPSD_PID=""
  if ! pgrep -x cupsd >/dev/null; then
    $sudo /usr/sbin/cupsd -f </dev/null >/dev/null 2>&1 &
    VARNOCK_CUPSD_PID=$!
  fi
  local _
  for _ in $(seq 1 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.2
  done
  if ! lpstat -p PDF >/dev/null 2>&1; then
    $sudo lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd || return 1
  fi
  lpstat -d 2>/dev/null | grep -q ": PDF$" || $sudo lpadmin -d PDF
}

varnock_stop_printing() {
  [ -n "${VARNOCK_CUPSD_PID:-}" ] && kill "$VARNOCK_CUPSD_PID" 2>/dev/null
  VARNOCK_CUPSD_PID=""
}
