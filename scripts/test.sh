#!/bin/bash
# Builds everything and runs every test level: core natively (ASan/UBSan), core under
# Wine, the in-process window tests and the whole-program tests. Ends with CTest's summary.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
varnock_install_packages || exit 1
varnock_build native || exit 1
varnock_build windows || exit 1

varnock_start_printing || echo "Printing is not available: the print tests will skip." >&2
varnock_wine_env
unset DISPLAY
varnock_start_xvfb || exit 1
varnock_prepare_prefix || { varnock_stop_xvfb; exit 1; }
# One server for the whole run, so each Wine process starts fast. Wine's own services
# start with the first program: start them here, detached from CTest's output pipes,
# or CTest would wait for them to close those pipes.
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1

# One CTest run over both builds, so the summary at the end covers every level.
printf 'subdirs("native" "windows")\n' > "$VARNOCK_BUILD/CTestTestfile.cmake"
ctest --test-dir "$VARNOCK_BUILD" --output-on-failure --timeout 900
rc=$?
wineserver -k 2>/dev/null
WINEPREFIX="$VARNOCK_BUILD/wineprefix-dpi144" wineserver -k 2>/dev/null
varnock_stop_xvfb
varnock_stop_printing
exit $rc
