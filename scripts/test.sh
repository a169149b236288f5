#!/usr/bin/env bash
# Builds and runs every test: the logic on Linux first, then Corvane.exe and its tests under Wine.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

scripts/install-deps.sh || exit 1

started=$SECONDS
logs=build/test-logs
mkdir -p "$logs"
summary=()
failed=0

# ctest ends its run with "N% tests passed, F tests failed out of T"; that line is the level's count. The
# Windows programs are one ctest test each, so their GoogleTest lines tell how many cases they ran.
counts() {
  local line cases
  line=$(grep -E 'tests passed|No tests were found' "$1" | tail -n 1)
  cases=$(grep -oE '\[  PASSED  \] [0-9]+ test' "$1" | awk '{n += $4} END {print n + 0}')
  if [ "$cases" -gt 0 ]; then
    line="$line ($cases GoogleTest cases)"
  fi
  echo "$line"
}

# One level: configure, build, run its tests. Later levels still run when one fails.
level() {
  local name=$1
  shift
  local log=$logs/$name.log
  echo "=== $name"
  if ! cmake --preset "$name"; then
    summary+=("$name: configure failed")
    failed=1
    return
  fi
  if ! cmake --build --preset "$name" ${targets[@]+--target "${targets[@]}"}; then
    summary+=("$name: build failed")
    failed=1
    return
  fi
  "$@" ctest --preset "$name" --timeout 900 "${ctest_options[@]}" 2>&1 | tee "$log"
  local status=${PIPESTATUS[0]}
  local line
  line=$(counts "$log")
  summary+=("$name: ${line:-no count (ctest exited with $status)}")
  if [ "$status" -ne 0 ]; then
    failed=1
  fi
}

# The host tests share nothing but the build: two at a time.
ctest_options=(-j 2)
targets=()
level host
# The crash-point harness's counts, from the host tests' own output.
while IFS= read -r line; do
  summary+=("$line")
done < <(grep -hE '^(crash|refusal) points:' build/host/Testing/Temporary/LastTest.log 2>/dev/null)

display=()
if [ -z "${DISPLAY:-}" ]; then
  display=(xvfb-run -a -s "-screen 0 1280x1024x24")
fi
# Verbose, so the log holds each Windows program's own GoogleTest summary.
ctest_options=(--verbose)
# Only what the Windows tests run; bench/run.sh builds the benchmarks.
targets=(Corvane corvane_backend_tests corvane_e2e)
level windows "${display[@]}"
WINEPREFIX=$PWD/build/windows/wineprefix wineserver -k 2>/dev/null || true

# A bounded fuzz run of each target; scripts/fuzz.sh SECONDS runs longer.
echo "=== fuzz"
if scripts/fuzz.sh 10; then
  summary+=("fuzz: no finding in 10 s a target")
else
  summary+=("fuzz: FINDING (see build/fuzz/)")
  failed=1
fi

# The test code's size against the product's: the project keeps it between a third and a half.
lines() { find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | wc -l; }
test_lines=$(lines tests fuzz)
product_lines=$(lines launcher locate platform program settings support unattended)
summary+=("lines: tests and fuzz $test_lines, product $product_lines ($((100 * test_lines / product_lines))%)")

echo "=== summary ($((SECONDS - started)) s)"
printf '%s\n' "${summary[@]}"
if [ "$failed" -ne 0 ]; then
  echo "FAILED"
fi
exit "$failed"
