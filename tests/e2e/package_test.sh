#!/bin/bash
# The release zip as a user gets it. scripts/package.sh run twice must give the same
# bytes and print their SHA-256; the zip is then unpacked into a fresh folder whose
# name holds a blank and a non-ASCII character, below C:\varnock-package of the
# build's Wine prefix, and the Package tests of e2e_tests start the program there.
#   $1 = e2e_tests.exe
set -u
e2e="$(realpath "$1")"
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"

fail() { echo "package test: $*" >&2; exit 1; }

out="$VARNOCK_BUILD/package-test"
rm -rf "$out"
for run in first second; do
  mkdir -p "$out/$run"
  VARNOCK_DIST="$out/$run" bash "$VARNOCK_ROOT/scripts/package.sh" > "$out/$run.log" 2>&1 ||
    { cat "$out/$run.log"; fail "scripts/package.sh failed"; }
done
zips=("$out"/first/Varnock-*-win64.zip)
[ -f "${zips[0]}" ] || fail "no Varnock-<version>-win64.zip"
zip="${zips[0]}"
cmp "$zip" "$out/second/$(basename "$zip")" || fail "two runs gave different zips"
grep -qx "SHA-256: $(sha256sum "$zip" | cut -d' ' -f1)" "$out/first.log" || fail "the SHA-256 is not printed"
# Every file the build made for users is shipped, and nothing else.
expected="LICENSE.txt README.txt Varnock.exe"
for optional in VarnockLng.ini varnock-cli.exe; do
  [ -f "$(dirname "$e2e")/$optional" ] && expected="$expected $optional"
done
listed="$(unzip -Z1 "$zip" | LC_ALL=C sort | tr '\n' ' ')"
[ "$listed" = "$(echo $expected | tr ' ' '\n' | LC_ALL=C sort | tr '\n' ' ')" ] ||
  fail "the zip holds [$listed], expected [$expected]"

varnock_wine_env
varnock_prepare_prefix || fail "no Wine prefix"
# Wine links the shell folders (Desktop, Documents, ...) to the Unix home, which the
# whole machine writes to. As folders of the prefix, a write into them shows.
while IFS= read -r -d '' link; do
  if [ -d "$link" ]; then
    rm "$link" && mkdir "$link" || fail "cannot make $link a folder of the prefix"
  fi
done < <(find "$WINEPREFIX/drive_c/users" -type l -print0)
parent="$WINEPREFIX/drive_c/varnock-package"
folder="$parent/Varnock t$(printf '\xc3\xa9')st"
rm -rf "$parent"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder" || fail "unzip failed"
"$VARNOCK_ROOT/scripts/wine-run.sh" "$e2e" --gtest_filter='Package.*'
rc=$?
[ $rc -eq 0 ] && rm -rf "$parent"  # kept for a look when the test fails
exit $rc
