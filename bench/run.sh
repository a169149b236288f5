#!/usr/bin/env bash
# Every benchmark in one command: builds them, measures Corvane.exe's start-up, memory, size, backup and local copies
# against a bare window and CopyFileW, and prints one table of the figures and their goals. Exits 1 when a goal is missed beyond
# the spread of its rounds, 2 when a benchmark could not run. Argument: copy rounds (5); CORVANE_BENCH_PREFIX: a prefix.
set -euo pipefail

# One display for the whole run, so that every Wine program of it meets the same desktop.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build --preset windows --target corvane_bench

prefix=${CORVANE_BENCH_PREFIX:-$PWD/build/windows/wineprefix}
tests/wine/make-prefix.sh "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
bin=$PWD/build/windows
office="$prefix/drive_c/Program Files/Microsoft Office"
# The copies go to /tmp: the disk of the build, outside the repository.
scratch=$(mktemp -d /tmp/corvane-bench.XXXXXX)
# Drive C: left as the tests expect it: no settings files, no Access.
tidy() { rm -rf "$office" "$prefix"/drive_c/Corvane{AppNames,Paths,AppAlias,LocalCopies}.txt; }
trap 'tidy; rm -rf "$scratch"' EXIT
tidy
# Access in its place keeps the "Can not find MSAccess.exe" box out of the starts; it is never started.
mkdir -p "$office/Office11"
cp "$bin/bench/corvane_bare_window.exe" "$office/Office11/MSAccess.exe"
windows() { echo "Z:${1//\//\\}"; } # a Unix path as the programs see it inside Wine, where Z: is the Unix root

worst=0
# Runs one benchmark, its output kept for the table, and remembers the worst exit status.
bench() {
  local status=0
  wine "$bin/bench/corvane_bench.exe" "$@" 2>&1 | tee -a "$scratch/output" || status=${PIPESTATUS[0]}
  [ "$status" -le "$worst" ] || worst=$status
}
corvane=$(windows "$bin/platform/win32/Corvane.exe")
bench startup "$corvane" "$(windows "$bin/bench/corvane_bare_window.exe")" "$(windows "$bin/bench/corvane_same_window.exe")"
bench copy "$corvane" "$(windows "$scratch")" "$@"
size=$(stat -c %s "$bin/platform/win32/Corvane.exe")
verdict=$([ "$size" -le 1048576 ] && echo met || echo MISSED)
echo "result: Corvane.exe size in bytes | $size | <= 1048576 (1 MiB) | $verdict" >>"$scratch/output"
[ "$verdict" = met ] || worst=$((worst > 1 ? worst : 1))

echo
{
  echo "figure | measured (median +- spread) | goal | verdict"
  sed -n 's/^result: //p' "$scratch/output"
} | awk -F ' [|] ' '{ for (i = 1; i <= 4; i++) { c[NR, i] = $i; w[i] = length($i) > w[i] ? length($i) : w[i] } }
  END { for (r = 1; r <= NR; r++) printf "%-*s  %-*s  %-*s  %s\n", w[1], c[r, 1], w[2], c[r, 2], w[3], c[r, 3], c[r, 4] }'
[ "$worst" -lt 2 ] || echo "A benchmark could not run: its figures are missing (see its output above)."
exit "$worst"
