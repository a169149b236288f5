#!/usr/bin/env bash
# Every benchmark in one command: one build of the windows preset, then Corvane.exe's start-up and memory against a
# bare one-window program, its size and imports, and the backup copy against CopyFileW; then a summary table of
# every figure with its goal. Exits 1 when a goal is missed by more than the noise its own benchmark measured, 2 when
# a benchmark could not run. Extra arguments: ROUNDS of the copy benchmark.
# CORVANE_BENCH_PREFIX chooses another Wine prefix than build/windows/wineprefix.
set -euo pipefail

# One display for the whole run, so that every Wine program of it meets the same desktop.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
cd "$(dirname "$0")/.."

cmake --preset windows >/dev/null
cmake --build --preset windows --target corvane_startup_bench corvane_copy_bench

prefix=${CORVANE_BENCH_PREFIX:-$PWD/build/windows/wineprefix}
tests/wine/make-prefix.sh "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

corvane=build/windows/platform/win32/Corvane.exe
# The copy benchmark's files go to /tmp: the same disk as the build, and outside the repository.
scratch=$(mktemp -d /tmp/corvane-bench.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/copy"
results=$scratch/results
touch "$results"
worst=0

# bench NAME COMMAND...: runs one benchmark, keeps its "result:" lines for the summary and its worst exit status.
bench() {
  local name=$1
  shift
  echo
  echo "=== $name"
  local status=0
  "$@" 2>&1 | tee "$scratch/output" || status=${PIPESTATUS[0]}
  if grep -q '^result: ' "$scratch/output"; then
    sed -n 's/^result: //p' "$scratch/output" >>"$results"
  else
    echo "$name | no figures | - | DID NOT RUN (exit status $status)" >>"$results"
    [ "$status" -ne 0 ] || status=2
  fi
  if [ "$status" -gt "$worst" ]; then
    worst=$status
  fi
}

# Size of Corvane.exe and the DLLs it imports: all of them the system's own when the program is statically linked.
size_check() {
  local size imports runtime verdict=met status=0
  size=$(stat -c %s "$corvane")
  imports=$(x86_64-w64-mingw32-objdump -p "$corvane" | sed -n 's/^[[:space:]]*DLL Name: //p')
  echo "$corvane: $size bytes; DLL imports (objdump -p):"
  echo "$imports" | sed 's/^/  /'
  runtime=$(echo "$imports" | grep -iE '^(libstdc\+\+|libgcc|libwinpthread)' | tr '\n' ' ' || true)
  if [ "$size" -gt 1048576 ]; then
    verdict=MISSED
    status=1
  fi
  if [ -n "$runtime" ]; then
    verdict="MISSED: not statically linked, imports $runtime"
    status=1
  fi
  echo "result: Corvane.exe size in bytes, statically linked | $size | <= 1048576 (1 MiB) | $verdict"
  return "$status"
}

bench "start-up and memory" wine build/windows/bench/corvane_startup_bench.exe
bench "size" size_check
bench "backup copy" wine build/windows/bench/corvane_copy_bench.exe "Z:${scratch//\//\\}\\copy" "$@"

echo
echo "=== summary"
{
  echo "figure | measured | goal | verdict"
  cat "$results"
} | awk -F ' [|] ' '
  { for (i = 1; i <= 4; i++) { cell[NR, i] = $i; if (length($i) > width[i]) width[i] = length($i) } }
  END {
    for (row = 1; row <= NR; row++) {
      printf "%-*s  %-*s  %-*s  %s\n", width[1], cell[row, 1], width[2], cell[row, 2], width[3], cell[row, 3],
        cell[row, 4]
    }
  }'
exit "$worst"
