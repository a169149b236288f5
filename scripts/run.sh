#!/usr/bin/env bash
# Builds Corvane.exe and runs it under Wine in the project's own prefix; with no display, photographs it instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset windows
cmake --build --preset windows --target Corvane

prefix=$PWD/build/windows/wineprefix
tests/wine/make-prefix.sh "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exe=build/windows/platform/win32/Corvane.exe

if [ -n "${DISPLAY:-}" ]; then
  # A person is at the screen: run until they press Exit.
  wine "$exe"
  exit 0
fi

shot=build/windows/screenshots/run.png
xvfb-run -a -s "-screen 0 1280x1024x24" scripts/capture-run.sh "$exe" "$shot"
echo "$shot"
