#!/usr/bin/env bash
# One kernel test: boots the guest on scenarios/CASE.sh, then checks what it
# brought back with checks/CASE.sh. Skips (exit 77) where no guest can run.
# usage: run-case.sh BUILD_DIR CASE
set -uo pipefail
here=$(dirname "$(realpath "$0")")
build=$(realpath "$1") case=$2
export VARNEX_BINARY_DIR=$build
results=$build/kernel/results/$case
started=$(date +%s)
"$here/run-guest.sh" "$build" "$here/scenarios/$case.sh" "$results" "${VARNEX_GUEST_TIMEOUT:-420}"
status=$?
[ "$status" -eq 77 ] && exit 77
echo "guest ran ${case} in $(( $(date +%s) - started ))s (scenario status $status); results in $results"
. "$here/checks.sh"
. "$here/checks/$case.sh"
finish "$results"
