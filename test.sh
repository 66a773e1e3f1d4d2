#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the plain build, then
# the whole suite under ASan+UBSan (with the fuzzers), then the threaded tests
# under TSan. The exit code is the result.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

jobs=$(nproc)
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
export CTEST_OUTPUT_ON_FAILURE=1

echo "== plain build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest -j"$jobs" --timeout 300 --no-tests=error)

echo "== ASan+UBSan build with fuzzers"
# allocator_may_return_null: an allocation too large for any machine fails
# as it does without ASan (a null pointer, which Qt turns into std::bad_alloc),
# so the tests see what users would.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:allocator_may_return_null=1
export LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DVARNEX_SANITIZE=address -DVARNEX_FUZZ=ON -DVARNEX_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ctest -j"$jobs" --timeout 600 --no-tests=error)

echo "== TSan build of the threaded tests"
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions="$PWD/tests/tsan.supp"
CC=clang CXX=clang++ cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DVARNEX_SANITIZE=thread -DVARNEX_THREADED_ONLY=ON -DVARNEX_BENCH=OFF >/dev/null
cmake --build build-tsan -j"$jobs" --target threaded_tests
# TSan cannot map its shadow memory on kernels with more address-space
# randomisation than it expects; running without it (where the system lets
# us) avoids that spurious failure.
no_aslr=()
if setarch "$(uname -m)" -R true 2>/dev/null; then no_aslr=(setarch "$(uname -m)" -R); fi
(cd build-tsan && "${no_aslr[@]}" ctest -j"$jobs" --timeout 600 -L threaded --no-tests=ignore)
echo "== all tests passed"
