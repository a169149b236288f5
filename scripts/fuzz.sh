#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

targets=(settings_files_fuzzer lock_file_fuzzer command_line_fuzzer)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${targets[@]}"
# The targets run side by side, each with its own log, so that the run takes the time of one.
status=0
pids=()
for name in "${targets[@]}"; do
  target=build/fuzz/fuzz/$name
  # The seed corpus stays as committed; what the run finds goes into the build folder.
  corpus=build/fuzz/corpus/$name
  mkdir -p "$corpus"
  # Each target's seeds are in fuzz/corpus/<target>.
  seeds=fuzz/corpus/$name
  "$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix=build/fuzz/ "$corpus" "$seeds" >"build/fuzz/$name.log" 2>&1 &
  pids+=($!)
done
for index in "${!targets[@]}"; do
  name=${targets[$index]}
  if ! wait "${pids[$index]}"; then
    status=1
  fi
  echo "=== $name for ${seconds} s"
  tail -n 12 "build/fuzz/$name.log"
done
exit "$status"
