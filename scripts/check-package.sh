#!/usr/bin/env bash
# The release package's test: makes the zip, then checks that it holds exactly the program, the README and
# INSTALL.txt, and that its Corvane.exe is byte for byte the one just built and its INSTALL.txt the sources' own.
set -euo pipefail
cpack=${1:?usage: check-package.sh CPACK CPACK-CONFIG ZIP-NAME BUILT-EXE}
config=${2:?usage: check-package.sh CPACK CPACK-CONFIG ZIP-NAME BUILT-EXE}
zip=${3:?usage: check-package.sh CPACK CPACK-CONFIG ZIP-NAME BUILT-EXE}
exe=${4:?usage: check-package.sh CPACK CPACK-CONFIG ZIP-NAME BUILT-EXE}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cpack" --config "$config" -B "$work/out" >"$work/cpack.log" || {
  cat "$work/cpack.log"
  exit 1
}
[ -f "$work/out/$zip" ] || {
  echo "no $zip; cpack made: $(ls "$work/out")"
  exit 1
}

mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$work/out/$zip")
held=$(cd "$work/unpacked" && find . -mindepth 1 | sort | tr '\n' ' ')
expected="./Corvane.exe ./INSTALL.txt ./README.md "
if [ "$held" != "$expected" ]; then
  echo "$zip holds: $held"
  echo "expected:   $expected"
  exit 1
fi
cmake -E compare_files "$work/unpacked/Corvane.exe" "$exe" || {
  echo "the Corvane.exe in $zip is not the one built at $exe"
  exit 1
}
# The zip and the Windows Installer package carry the same instructions.
cmake -E compare_files "$work/unpacked/INSTALL.txt" "$(dirname "$0")/../INSTALL.txt" || {
  echo "the INSTALL.txt in $zip is not the one in the sources"
  exit 1
}
echo "$zip holds $expected; Corvane.exe is the one just built, INSTALL.txt the one in the sources"
