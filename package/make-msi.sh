#!/usr/bin/env bash
# Makes Corvane's Windows Installer package from package/Corvane.wxs with wixl.
# wixl looks for the files a package holds in the folder it runs in, so they are gathered into a scratch folder first.
set -euo pipefail
usage="usage: make-msi.sh VERSION CORVANE-EXE OUTPUT-MSI"
version=${1:?$usage}
exe=${2:?$usage}
output=${3:?$usage}
source=$(cd "$(dirname "$0")/.." && pwd)

case $output in /*) ;; *) output=$PWD/$output ;; esac
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/art"
cp "$exe" "$stage/Corvane.exe"
cp "$source/INSTALL.txt" "$stage/INSTALL.txt"
cp "$source/art/Corvane.ico" "$stage/art/Corvane.ico"
rm -f "$output"
(cd "$stage" && wixl --arch x64 --define "Version=$version" --output "$output" "$source/package/Corvane.wxs")
# wixl reports some failures only by leaving no package behind.
[ -f "$output" ] || {
  echo "wixl made no $output"
  exit 1
}
