#!/usr/bin/env bash
# Inside a display nobody watches: starts the program, photographs the screen once it is up, and ends it.
set -euo pipefail
exe=${1:?usage: capture-run.sh EXE PNG}
shot=${2:?usage: capture-run.sh EXE PNG}
mkdir -p "$(dirname "$shot")"

wine "$exe" &
pid=$!
# Start-up takes a moment under Wine. Where no Access is installed its message comes first: photograph it, then
# answer it with Enter as a person would, and photograph the launcher that follows.
sleep 5
import -window root "${shot%.png}-first.png"
xdotool key Return
sleep 2
import -window root "$shot"

kill "$pid" 2>/dev/null || true
for _ in 1 2 3 4 5 6 7 8 9 10; do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
kill -9 "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
wineserver -k 2>/dev/null || true
