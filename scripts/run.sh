#!/bin/bash
# Starts Varnock under Wine. With a display ($DISPLAY) it runs there until closed;
# without one it runs on a private Xvfb display, saves a screenshot of the main window
# to build/screenshot.png and closes the program.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
varnock_install_packages || exit 1
varnock_build windows || exit 1
varnock_wine_env
headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  varnock_start_xvfb || exit 1
fi
varnock_prepare_prefix || exit 1

args=()
if [ $# -gt 0 ]; then
  # Wine joins separate words with one blank and quotes nothing, so a Windows path
  # with blanks reaches the program as the one unquoted name it expects.
  win_path="$(winepath -w "$(realpath -m "$1")" 2>/dev/null)"
  read -r -a args <<< "$win_path"
fi

cd "$VARNOCK_BUILD/windows" || exit 1
if [ $headless -eq 0 ]; then
  exec wine Varnock.exe "${args[@]}"
fi

wine Varnock.exe "${args[@]}" >/dev/null 2>&1 &
wid=""
for _ in $(seq 1 150); do
  wid="$(xdotool search --name '^Varnock v' 2>/dev/null | head -1)"
  [ -n "$wid" ] && break
  sleep 0.2
done
if [ -z "$wid" ]; then
  echo "The main window did not appear." >&2
  wineserver -k; varnock_stop_xvfb; exit 1
fi
sleep 1.5
import -window root "$VARNOCK_BUILD/screenshot.png"
echo "Window: $(xdotool getwindowname "$wid")"
xdotool key --window "$wid" ctrl+q >/dev/null 2>&1
sleep 1
wineserver -k 2>/dev/null
varnock_stop_xvfb
echo "Screenshot saved to $VARNOCK_BUILD/screenshot.png"
