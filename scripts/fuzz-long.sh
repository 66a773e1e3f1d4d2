#!/usr/bin/env bash
# Long fuzzing, outside CI (which keeps its short runs under ctest): runs every
# fuzz target for SECONDS each (default 600), one after the other, and prints
# per target the inputs it ran and whether it stayed clean.
#
#   scripts/fuzz-long.sh [SECONDS]
#
# Seeds are read from fuzz/corpus/<target>/ (committed, small). What a run
# learns goes to <build>/fuzz/corpus-long/<target>/ and is read again by the
# next run; inputs that crash land in <build>/fuzz/findings/<target>/. Add a
# fixed finding to fuzz/corpus/<target>/ as a regression input.
#
# Environment:
#   VARNEX_FUZZ_BUILD    build directory (default build-asan); configured with
#                        clang, ASan+UBSan and the fuzzers when missing
#   VARNEX_FUZZ_TARGETS  space-separated targets (default: every fuzz/*.cpp)
#   VARNEX_FUZZ_RUNS     stop a target after this many inputs (default: none)
# The exit code is 1 when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
if ! [[ $seconds =~ ^[0-9]+$ ]] || ((seconds == 0)); then
  echo "usage: $0 [SECONDS]   (seconds per target, default 600)" >&2
  exit 64
fi
build=${VARNEX_FUZZ_BUILD:-build-asan}
runs=${VARNEX_FUZZ_RUNS:--1}
if [[ -n ${VARNEX_FUZZ_TARGETS:-} ]]; then
  read -r -a targets <<<"$VARNEX_FUZZ_TARGETS"
else
  targets=()
  for source in fuzz/*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

# allocator_may_return_null: as test.sh, a failed huge allocation is what it is without ASan.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:allocator_may_return_null=1
export LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

if [[ ! -f $build/CMakeCache.txt ]]; then
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DVARNEX_SANITIZE=address -DVARNEX_FUZZ=ON -DVARNEX_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

failed=0
summary=()
for target in "${targets[@]}"; do
  work=$build/fuzz/corpus-long/$target
  findings=$build/fuzz/findings/$target
  log=$build/fuzz/long-$target.log
  mkdir -p "$work" "$findings"
  seeds=()
  [[ -d fuzz/corpus/$target ]] && seeds=("fuzz/corpus/$target")
  echo "== $target: ${seconds} s" >&2
  status=0
  "$build/fuzz/$target" -max_total_time="$seconds" -runs="$runs" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$work" "${seeds[@]}" >"$log" 2>&1 || status=$?
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [[ -z $executed ]]; then
    # A run that died keeps no final statistics; its last status line tells how far it got.
    executed=$(grep -o '^#[0-9]*' "$log" | tail -1 | tr -d '#')
  fi
  if ((status == 0)); then
    result=clean
  else
    failed=1
    result="FOUND (exit $status): $(ls -1 "$findings" | tr '\n' ' ')see $log"
  fi
  summary+=("$(printf '%-24s %12s runs  %s' "$target" "${executed:-?}" "$result")")
done

printf '%s\n' "${summary[@]}"
exit "$failed"
