#!/bin/bash
# CMAKE_CROSSCOMPILING_EMULATOR: runs a Windows binary of the build under Wine in the
# build tree's prefix, on the caller's display or a private Xvfb one.
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
varnock_wine_env
varnock_prepare_prefix || exit 1
if [ -z "${DISPLAY:-}" ]; then
  varnock_start_xvfb || exit 1
  trap varnock_stop_xvfb EXIT
fi
# Wine's services outlive the program; started by it they would keep its output pipes
# open. Starting them first, detached, lets whoever reads our output see its end.
wine cmd /c exit </dev/null >/dev/null 2>&1
exe="$1"; shift
cd "$(dirname "$exe")" || exit 1
wine "$exe" "$@"
