#!/usr/bin/env bash
# Makes (once) the private Wine prefix the Windows tests run in: a virtual desktop of fixed size, so that
# windows have frames and every program of the prefix shares one screen, even under a bare Xvfb.
set -euo pipefail
prefix=${1:?usage: make-prefix.sh PREFIX}
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
# scripts/test.sh starts making the prefix while the tests build: the tests' own set-up waits here for that to end,
# rather than making the same prefix at the same time.
exec 9>"$prefix/.corvane-lock"
flock 9
if [ ! -f "$prefix/.corvane-ready" ]; then
  wine wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
  # A crash must end the test at once, not wait for a person to close Wine's crash dialog.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
  # Wine draws the frame buttons with Marlett, which it looks for only in the prefix's own fonts folder.
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp -n /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
  fi
  touch "$prefix/.corvane-ready"
fi
