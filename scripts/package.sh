#!/bin/bash
# Builds the Windows program (the `windows` preset, release mode) and packs the one
# download a Windows user needs: dist/Varnock-<version>-win64.zip, holding Varnock.exe,
# the language file VarnockLng.ini and varnock-cli.exe when the build made them, a
# README.txt and the licence. VARNOCK_DIST names another output folder.
#
# The zip is reproducible: the same commit gives the same bytes (files in a fixed
# order, every time stamp set to the commit's time, fixed attributes, no extra
# fields), so a download can be checked against the SHA-256 printed at the end.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

fail() { echo "package.sh: $*" >&2; exit 1; }

varnock_install_packages || fail "could not install the Debian packages"
cd "$VARNOCK_ROOT"

# The version of the version resource, the one the program shows.
version="$(sed -n 's/^ *VALUE "FileVersion", "\([0-9.]*\)\\0" *$/\1/p' res/varnock.rc)"
[ -n "$version" ] || fail "no FileVersion in res/varnock.rc"

build="$VARNOCK_BUILD/windows"
if ! grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$build/CMakeCache.txt" 2>/dev/null; then
  cmake --preset windows -DCMAKE_BUILD_TYPE=Release >/dev/null || fail "configure failed"
fi
cmake --build --preset windows -- -j"$(nproc)" >/dev/null || fail "build failed"
[ -f "$build/Varnock.exe" ] || fail "the build made no Varnock.exe"

name="Varnock-$version-win64"
stage="$VARNOCK_BUILD/package/$name"
rm -rf "$stage"
mkdir -p "$stage"

shipped=(Varnock.exe)
for optional in VarnockLng.ini varnock-cli.exe; do
  [ -f "$build/$optional" ] && shipped+=("$optional")
done
for file in "${shipped[@]}"; do cp "$build/$file" "$stage/"; done

# Text files with Windows line ends. README lines marked "@IF <file>@" are kept only
# when that file is in the zip.
crlf() { sed 's/\r*$/\r/'; }
readme_filter=()
for optional in VarnockLng.ini varnock-cli.exe; do
  if [ -f "$stage/$optional" ]; then
    readme_filter+=(-e "s/^@IF $optional@//")
  else
    readme_filter+=(-e "/^@IF $optional@/d")
  fi
done
sed "${readme_filter[@]}" -e "s/@VERSION@/$version/g" res/package/README.txt | crlf > "$stage/README.txt"
crlf < LICENSE > "$stage/LICENSE.txt"
! grep -q '^@IF ' "$stage/README.txt" || fail "README.txt names an unknown file"

# Fixed attributes and times. Zip stores local times, hence TZ=UTC.
epoch="$(git log -1 --format=%ct 2>/dev/null || echo 946684800)"
chmod 0644 "$stage"/*
export TZ=UTC
touch -d "@$epoch" "$stage"/*

dist="${VARNOCK_DIST:-$VARNOCK_ROOT/dist}"
mkdir -p "$dist"
zip="$(cd "$dist" && pwd)/$name.zip"
rm -f "$zip"
# -X: no extra fields (owner, access times), -D: no folder entries; names in byte order.
(cd "$stage" && LC_ALL=C ls -1 | LC_ALL=C sort | zip -X -D -9 -q "$zip" -@) || fail "zip failed"

sum="$(sha256sum "$zip" | cut -d' ' -f1)"
printf '%s  %s\n' "$sum" "$name.zip" > "$zip.sha256"
echo "$zip"
echo "SHA-256: $sum"
