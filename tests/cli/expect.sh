# Shared by the CLI test scripts (sourced): a scratch folder removed on exit,
# a failure count, and expect NAME EXPECTED ACTUAL, which counts and prints
# a mismatch.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
expect() {  # expect NAME EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"; echo "  expected: $2"; echo "  actual:   $3"; failures=$((failures + 1))
  fi
}
