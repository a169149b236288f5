#!/usr/bin/env bash
# Builds the copy benchmark of the windows preset and runs it under Wine, its scratch files in a folder of /tmp
# (the same disk as the build, and outside the repository) that is removed afterwards. Extra arguments: ROUNDS.
# CORVANE_BENCH_PREFIX chooses another Wine prefix than build/windows/wineprefix.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset windows >/dev/null
cmake --build --preset windows --target corvane_copy_bench

prefix=${CORVANE_BENCH_PREFIX:-$PWD/build/windows/wineprefix}
tests/wine/make-prefix.sh "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

scratch=$(mktemp -d /tmp/corvane-copy-bench.XXXXXX)
trap 'rm -rf "$scratch"' EXIT

display=()
if [ -z "${DISPLAY:-}" ]; then
  display=(xvfb-run -a -s "-screen 0 1280x1024x24")
fi
"${display[@]}" wine build/windows/bench/corvane_copy_bench.exe "Z:${scratch//\//\\}" "$@"
