#!/bin/bash
# Formats every C++ source of the tree in the house style (.clang-format), or with --check
# lists the files that differ from it and fails.
set -u
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 2
command -v clang-format >/dev/null || { echo "format.sh: clang-format is not installed" >&2; exit 2; }
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.c' 2>/dev/null || find core win cli launcher tests bench -name '*.cpp' -o -name '*.h')
if [ "${1:-}" = "--check" ]; then
  bad=0
  for f in "${files[@]}"; do
    if ! clang-format --style=file "$f" | cmp -s - "$f"; then echo "not in the house style: $f"; bad=1; fi
  done
  [ $bad -eq 0 ] && echo "format: ${#files[@]} files in the house style"
  exit $bad
fi
clang-format --style=file -i "${files[@]}"
