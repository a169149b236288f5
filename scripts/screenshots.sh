#!/usr/bin/env bash
# Pictures of the launcher, the support window and the editor for the README, from the real Corvane.exe under
# Wine: the end-to-end tests photograph them, this script trims and shrinks them into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target corvane_e2e

prefix=$PWD/build/windows/wineprefix
tests/wine/make-prefix.sh "$prefix"
# Wine draws the frames' buttons with Marlett; fonts-wine ships it, but a new prefix does not hold it.
cp -n /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"

shots=build/windows/screenshots
names=(launcher support editor)
for name in "${names[@]}"; do
  rm -f "$shots/$name.png"
done
display=()
if [ -z "${DISPLAY:-}" ]; then
  display=(xvfb-run -a -s "-screen 0 1280x1024x24")
fi
status=0
"${display[@]}" ctest --preset windows -R '^e2e$' --output-on-failure || status=$?
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
if [ "$status" -ne 0 ]; then
  echo "the end-to-end tests failed: no pictures taken" >&2
  exit 1
fi

# Cut away the empty desktop around the windows, keep 64 colours and no time stamps, so the files stay small.
mkdir -p docs
for name in "${names[@]}"; do
  convert "$shots/$name.png" -fuzz 2% -trim +repage -strip -colors 64 -define png:exclude-chunks=date,time \
    "PNG8:docs/$name.png"
  size=$(stat -c %s "docs/$name.png")
  echo "docs/$name.png: $(identify -format '%wx%h' "docs/$name.png"), $size bytes"
  if [ "$size" -ge 61440 ]; then
    echo "docs/$name.png is over 60 KB" >&2
    exit 1
  fi
done
