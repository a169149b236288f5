#!/usr/bin/env bash
# Builds and runs every test: the logic on Linux, Corvane.exe and its tests under Wine, and the fuzz targets.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

scripts/install-deps.sh || exit 1

started=$SECONDS
logs=build/test-logs
# Each level leaves its log, its summary line and, should it fail, a mark here; none may be left from a run before.
rm -rf "$logs"
mkdir -p "$logs"

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

# One level: configure, build, run its tests. It runs in the background, so it writes what it has to say to files:
# everything to $logs/NAME.log, its summary line to $logs/NAME.summary, and $logs/NAME.failed if it fails.
level() {
  local name=$1
  shift
  local log=$logs/$name.log
  local result=$logs/$name.summary
  exec >"$log" 2>&1
  if ! cmake --preset "$name"; then
    echo "$name: configure failed" >"$result"
    touch "$logs/$name.failed"
    return
  fi
  if ! cmake --build --preset "$name" ${targets[@]+--target "${targets[@]}"}; then
    echo "$name: build failed" >"$result"
    touch "$logs/$name.failed"
    return
  fi
  "$@" ctest --preset "$name" --timeout 900 "${ctest_options[@]}" >"$logs/$name-tests.log" 2>&1
  local status=$?
  cat "$logs/$name-tests.log"
  local line
  line=$(counts "$logs/$name-tests.log")
  echo "$name: ${line:-no count (ctest exited with $status)}" >"$result"
  if [ "$status" -ne 0 ]; then
    touch "$logs/$name.failed"
  fi
  echo "($name over $((SECONDS - started)) s after the start)"
}

# A bounded fuzz run of each target; scripts/fuzz.sh SECONDS runs longer.
fuzz() {
  exec >"$logs/fuzz.log" 2>&1
  if scripts/fuzz.sh 10; then
    echo "fuzz: no finding in 10 s a target" >"$logs/fuzz.summary"
  else
    echo "fuzz: FINDING (see build/fuzz/)" >"$logs/fuzz.summary"
    touch "$logs/fuzz.failed"
  fi
  echo "(fuzz over $((SECONDS - started)) s after the start)"
}

# The host level and the fuzz targets give way to the Windows level, whose tests wait on windows to answer in time.
low_priority() {
  renice -n 10 -p "$BASHPID" >/dev/null
}

# A level's log, then its summary line into the summary; a level that left no summary line failed all the same.
summary=()
failed=0
show() {
  echo "=== $1"
  cat "$logs/$1.log"
  if [ -f "$logs/$1.summary" ]; then
    summary+=("$(cat "$logs/$1.summary")")
  else
    summary+=("$1: no result")
    failed=1
  fi
  if [ -f "$logs/$1.failed" ]; then
    failed=1
  fi
}

# The levels run side by side, as the Windows tests spend most of their time waiting on Wine: the host level builds
# meanwhile, then the fuzz targets. Each is in its own process group, so that an interrupt ends it whole.
set -m
trap 'for pid in $(jobs -p); do kill -- -"$pid" 2>/dev/null; done; exit 130' INT TERM
echo "=== host, windows and fuzz run side by side; each one's log follows when it is over"

(
  display=()
  if [ -z "${DISPLAY:-}" ]; then
    display=(xvfb-run -a -s "-screen 0 1280x1024x24")
  fi
  # Wine makes the tests' prefix while the Windows level builds; the tests' own set-up (wine_prefix_setup) waits for
  # it there, and makes it itself should this fail.
  prefix=$PWD/build/windows/wineprefix
  tests/wine/make-prefix.sh "$prefix" >"$logs/wine-prefix.log" 2>&1 &
  # Verbose, so the log holds each Windows program's own GoogleTest summary.
  ctest_options=(--verbose)
  # Only what the Windows tests run; bench/run.sh builds the benchmarks.
  targets=(Corvane corvane_backend_tests corvane_e2e)
  level windows "${display[@]}"
  if ! wait $!; then
    echo "Making the Wine prefix beside the build failed ($logs/wine-prefix.log):"
    cat "$logs/wine-prefix.log"
  fi
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
) &
windows=$!

(
  low_priority
  # The host tests are independent of each other, in memory.
  ctest_options=(--parallel "$(nproc)")
  targets=()
  level host
) &
host=$!

wait "$host"
show host
# The crash-point harness's counts, from the host tests' own output.
while IFS= read -r line; do
  summary+=("$line")
done < <(grep -hE '^(crash|refusal) points:' build/host/Testing/Temporary/LastTest.log 2>/dev/null)

(
  low_priority
  fuzz
) &
fuzzing=$!

wait "$windows"
show windows
wait "$fuzzing"
show fuzz

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
