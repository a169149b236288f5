#!/usr/bin/env bash
# Builds and runs every test: the logic on Linux, Corvane.exe and its tests under Wine, and the fuzz targets.
#
# The Windows tests spend most of their time waiting on Wine, so the Windows level is built first and its tests run
# in the background while the host level and the fuzz targets build and run. The summary keeps the order host,
# windows, fuzz.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

scripts/install-deps.sh || exit 1

started=$SECONDS
logs=build/test-logs
mkdir -p "$logs"
summary=()
failed=0
# As many compilers at once as there are processors: more only take turns with each other, which costs time.
CMAKE_BUILD_PARALLEL_LEVEL=$(nproc)
export CMAKE_BUILD_PARALLEL_LEVEL

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

# Configures and builds a level (the targets given, or all of it), at the priority in $priority. What failed is the
# level's line in the summary.
priority=()
build() {
  local name=$1
  shift
  if ! "${priority[@]}" cmake --preset "$name"; then
    result="$name: configure failed"
    return 1
  fi
  if ! "${priority[@]}" cmake --build --preset "$name" ${1+--target "$@"}; then
    result="$name: build failed"
    return 1
  fi
}

# A level's tests have run, with their output in $logs/NAME.log and ctest's exit status given: their count is the
# level's line in the summary.
tested() {
  local name=$1 status=$2 line
  line=$(counts "$logs/$name.log")
  result="$name: ${line:-no count (ctest exited with $status)}"
  [ "$status" -eq 0 ]
}

# What runs in the background is a process group of its own, ended whole on an interrupt.
background=()
trap 'for group in "${background[@]}"; do kill -- -"$group" 2>/dev/null; done; exit 130' INT TERM

# Wine makes the tests' prefix while the Windows level builds. The tests' own set-up (wine_prefix_setup) waits for
# it, and makes the prefix itself should this fail.
prefix=$PWD/build/windows/wineprefix
setsid -w tests/wine/make-prefix.sh "$prefix" >"$logs/wine-prefix.log" 2>&1 &
making_prefix=$!
background+=("$making_prefix")

echo "=== windows: build"
# Only what the Windows tests run; bench/run.sh builds the benchmarks.
windows_tests=
if build windows Corvane corvane_backend_tests corvane_e2e; then
  display=()
  if [ -z "${DISPLAY:-}" ]; then
    display=(xvfb-run -a -s "-screen 0 1280x1024x24")
  fi
  # Verbose, so the log holds each Windows program's own GoogleTest summary.
  setsid -w "${display[@]}" ctest --preset windows --timeout 900 --verbose >"$logs/windows.log" 2>&1 &
  windows_tests=$!
  background+=("$windows_tests")
else
  windows_result=$result
  failed=1
fi

echo "=== host"
# The host level gives way to the Windows tests, which wait on windows to answer in time.
priority=(nice -n 10)
if build host; then
  # The host tests are independent of each other, in memory.
  "${priority[@]}" ctest --preset host --timeout 900 --parallel "$(nproc)" 2>&1 | tee "$logs/host.log"
  tested host "${PIPESTATUS[0]}" || failed=1
else
  failed=1
fi
priority=()
summary+=("$result")
# The crash-point harness's counts, from the host tests' own output.
while IFS= read -r line; do
  summary+=("$line")
done < <(grep -hE '^(crash|refusal) points:' build/host/Testing/Temporary/LastTest.log 2>/dev/null)

# A bounded fuzz run of each target, at the usual priority: it runs for a given time, not a given number of inputs.
# scripts/fuzz.sh SECONDS runs longer.
echo "=== fuzz"
if scripts/fuzz.sh 10; then
  fuzz_result="fuzz: no finding in 10 s a target"
else
  fuzz_result="fuzz: FINDING (see build/fuzz/)"
  failed=1
fi

if [ -n "$windows_tests" ]; then
  wait "$windows_tests"
  status=$?
  echo "=== windows: tests"
  cat "$logs/windows.log"
  tested windows "$status" || failed=1
  windows_result=$result
fi
if ! wait "$making_prefix"; then
  echo "Making the Wine prefix while building failed; see $logs/wine-prefix.log"
fi
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
summary+=("$windows_result" "$fuzz_result")

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
