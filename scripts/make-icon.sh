#!/usr/bin/env bash
# Makes art/Corvane.ico (16, 24, 32, 48 and 256 px) from the drawing art/corvane.mvg with ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || scripts/install-deps.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Drawn once at 256 px; the smaller images average its pixels, so edges on the drawing's 16 px steps stay sharp.
convert -background none mvg:art/corvane.mvg -strip "$work/256.png"
for size in 16 24 32 48; do
  convert "$work/256.png" -scale "${size}x${size}" -strip "$work/$size.png"
done
convert "$work"/{16,24,32,48,256}.png -strip art/Corvane.ico
identify art/Corvane.ico
