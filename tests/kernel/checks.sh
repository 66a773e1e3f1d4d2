# Helpers for the host-side checks of a guest run's results.
failures=0

# in_order WHAT FILE PATTERN...: each extended regular expression matches a
# line after the line the previous one matched.
in_order() {
  local what=$1 file=$2 after=0 line pattern
  shift 2
  for pattern in "$@"; do
    line=$(awk -v from="$after" -v re="$pattern" 'NR > from && $0 ~ re { print NR; exit }' "$file" 2>/dev/null)
    if [ -z "$line" ]; then
      echo "FAIL: $what: no line matching \"$pattern\" after line $after of $(basename "$file")"
      failures=$((failures + 1))
      return 1
    fi
    after=$line
  done
  echo "ok: $what"
}

# absent WHAT FILE PATTERN: no line matches.
absent() {
  if grep -Eq -- "$3" "$2" 2>/dev/null; then
    echo "FAIL: $1: $(basename "$2") has: $(grep -E -m1 -- "$3" "$2")"
    failures=$((failures + 1))
    return 1
  fi
  echo "ok: $1"
}

# The result of the checks as the test's exit code, with the guest's own
# complaints (the scenario's log) counted as failures.
finish() {
  local results=$1
  if [ -s "$results/scenario.log" ]; then
    echo "FAIL: the scenario reported:"
    sed 's/^/  /' "$results/scenario.log"
    failures=$((failures + 1))
  fi
  echo "$failures check(s) failed"
  [ "$failures" -eq 0 ]
}
