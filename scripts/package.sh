#!/usr/bin/env bash
# Builds Corvane.exe and makes the release package build/windows/Corvane-<version>-win64.zip with CPack.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Corvane
cpack --config build/windows/CPackConfig.cmake -B build/windows
