#!/usr/bin/env bash
# Builds Corvane.exe and makes the release packages: build/windows/Corvane-<version>-win64.zip with CPack, and
# beside it the Windows Installer package build/windows/Corvane-<version>-x64.msi with wixl.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Corvane msi
cpack --config build/windows/CPackConfig.cmake -B build/windows
