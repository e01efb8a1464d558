#!/bin/bash
# Builds the fuzz targets (clang's libFuzzer with ASan and UBSan), replays each seed
# corpus, then fuzzes each target for SECONDS (default 60).
#   scripts/fuzz.sh [SECONDS]
# New inputs found while fuzzing go to build/fuzz/found/<target> (not into the seeds);
# a failing input is written to build/fuzz/crashes/. Exit status 1 when a target failed.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
seconds="${1:-60}"
VARNOCK_PACKAGES="cmake ninja-build clang libclang-rt-dev" varnock_install_packages || exit 1

out="$VARNOCK_BUILD/fuzz"
cmake -S "$VARNOCK_ROOT/tests/fuzz" -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null || exit 1
cmake --build "$out" -- -j"$(nproc)" >"$out.log" 2>&1 || { cat "$out.log"; exit 1; }

mkdir -p "$out/crashes"
export UBSAN_OPTIONS=print_stacktrace=1
failed=0
for target in "$out"/*_fuzz; do
  name="$(basename "$target")"
  seeds="$VARNOCK_ROOT/tests/fuzz/corpus/$name"
  found="$out/found/$name"
  mkdir -p "$seeds" "$found"
  if ! "$target" -runs=0 "$seeds" >"$out/$name.replay.log" 2>&1; then
    echo "$name: a seed fails"; tail -20 "$out/$name.replay.log"; failed=1; continue
  fi
  if [ "$seconds" -gt 0 ]; then
    if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=70000 \
         -artifact_prefix="$out/crashes/$name-" "$found" "$seeds" >"$out/$name.log" 2>&1; then
      echo "$name: FAILED"; tail -30 "$out/$name.log"; failed=1; continue
    fi
  fi
  runs="no fuzzing"
  [ "$seconds" -gt 0 ] && runs="$(grep -o 'Done [0-9]* runs' "$out/$name.log" | tail -1 | tr -dc '0-9') runs in $seconds s"
  echo "$name: $(ls "$seeds" | wc -l) seeds replayed; $runs"
done
exit $failed
