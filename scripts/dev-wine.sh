#!/bin/bash
# For developers: runs a Windows binary under Wine in a prefix and on an Xvfb display of
# your own, so several people can test at once.  VARNOCK_WINEPREFIX picks the prefix
# (default build/wineprefix); VARNOCK_DEV_DISPLAY_FILE remembers the display between runs.
#   VARNOCK_WINEPREFIX=$PWD/build/me/wineprefix scripts/dev-wine.sh build/me/win_tests.exe --gtest_filter='X.*'
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
varnock_wine_env
state="${VARNOCK_DEV_DISPLAY_FILE:-$WINEPREFIX.display}"
[ -f "$state" ] && export DISPLAY="$(cat "$state")"
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  varnock_start_xvfb || exit 1
  echo "$DISPLAY" > "$state"
  disown
fi
varnock_prepare_prefix || exit 1
wineserver -p 600 </dev/null >/dev/null 2>&1
exe="$(realpath "$1")"; shift
cd "$(dirname "$exe")" && exec timeout "${VARNOCK_TIMEOUT:-600}" wine "$exe" "$@"
