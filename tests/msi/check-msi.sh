#!/usr/bin/env bash
# The Windows Installer package's test: makes the package of this version and of the next, reads their tables, then
# installs, upgrades and uninstalls them with Wine's msiexec in the test prefix, and checks that an uninstall leaves
# the settings and backups where they were. Leaves the prefix without Corvane installed, as it found it.
set -euo pipefail
usage="usage: check-msi.sh VERSION BUILT-EXE (with WINEPREFIX set)"
version=${1:?$usage}
exe=${2:?$usage}
: "${WINEPREFIX:?$usage}"
source=$(cd "$(dirname "$0")/../.." && pwd)

# Written here a second time on purpose: a package with another UpgradeCode installs beside the old one.
upgrade_code='{7F1A17FF-2145-4FBE-84D1-C780EE0CC887}'
IFS=. read -r major minor patch <<<"$version"
next="$major.$minor.$((patch + 1))"

drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Corvane"
installed='C:\Program Files\Corvane\Corvane.exe'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
source_key='HKLM\SYSTEM\CurrentControlSet\Services\EventLog\Application\Corvane'
settings="$drive/CorvaneAppNames.txt"
backups="$folder/ArcBackup"

work=$(mktemp -d)
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# "code version" of each installed product named Corvane, from the Apps & features entries.
products() {
  wine reg query "$uninstall_key" /s 2>/dev/null | tr -d '\r' | awk '
    /^HKEY_/ { key = $0; sub(/.*\\/, "", key) }
    $1 == "DisplayName" { name[key] = $3 }
    $1 == "DisplayVersion" { version[key] = $3 }
    END { for (k in name) if (name[k] == "Corvane") print k, version[k] }'
}

# "TYPE value" of one registry value, or nothing where it is not there.
value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^    $2    \(REG_[A-Z_]*\)    /\1 /p"
}

# Without a window: an administrator's silent install.
msiexec() {
  wine msiexec "$@" /qn
}

# Removes every Corvane installed, also one that a failed or interrupted run left behind.
uninstall_all() {
  local code _
  while read -r code _; do
    [ -n "$code" ] && msiexec /x "$code" || true
  done < <(products)
}

# The prefix as the test found it: no Corvane, and the settings file that was there, if any.
restore_prefix() {
  uninstall_all
  rm -f "$backups/Arc12526App1.mde" "$backups/Corvane.log" "$settings"
  rmdir "$backups" "$folder" 2>/dev/null || true
  [ -f "$work/settings-before" ] && mv "$work/settings-before" "$settings"
  rm -rf "$work"
}
trap restore_prefix EXIT

[ -f "$settings" ] && mv "$settings" "$work/settings-before"
uninstall_all

"$source/package/make-msi.sh" "$version" "$exe" "$work/Corvane-$version-x64.msi"
"$source/package/make-msi.sh" "$next" "$exe" "$work/Corvane-$next-x64.msi"
msi=$(winepath -w "$work/Corvane-$version-x64.msi")
newer=$(winepath -w "$work/Corvane-$next-x64.msi")

# --- The tables ---
table() { msiinfo export "$work/Corvane-$version-x64.msi" "$1" | tr -d '\r' | tail -n +4; }
property() { table Property | awk -F'\t' -v n="$1" '$1 == n { print $2 }'; }

[ "$(property ProductVersion)" = "$version" ] || fail "ProductVersion is $(property ProductVersion), not $version"
[ "$(property UpgradeCode)" = "$upgrade_code" ] || fail "UpgradeCode is $(property UpgradeCode), not $upgrade_code"
[ "$(property ProductName)" = Corvane ] || fail "ProductName is $(property ProductName)"
[ "$(property ALLUSERS)" = 1 ] || fail "the package is not for all users (ALLUSERS $(property ALLUSERS))"
# The publisher is written as the exe's version resource writes its company.
company=$(sed -n 's/.*VALUE "CompanyName", "\(.*\)".*/\1/p' "$source/platform/win32/Corvane.rc")
[ -n "$company" ] || fail "the version resource names no company"
[ "$(property Manufacturer)" = "$company" ] || fail "Manufacturer is $(property Manufacturer), not $company"

[ "$(table Directory | awk -F'\t' '$1 == "INSTALLFOLDER" { print $2 "\\" $3 }')" = 'ProgramFiles64Folder\Corvane' ] ||
  fail "INSTALLFOLDER is not Corvane in the 64-bit Program Files: $(table Directory)"
outside=$(table Component | awk -F'\t' '$3 != "INSTALLFOLDER" || int($4 / 256) % 2 == 0 { print $1 }')
[ -z "$outside" ] || fail "components outside the install folder or not 64-bit: $outside"
files=$(table File | awk -F'\t' '{ print $3 }' | sort | tr '\n' ' ')
[ "$files" = "Corvane.exe INSTALL.txt " ] || fail "the package holds $files"
for empty in RemoveFile CustomAction; do
  [ -z "$(table $empty)" ] || fail "the package has a $empty table: $(table $empty)"
done
table LaunchCondition | grep -q $'^NOT WIX_DOWNGRADE_DETECTED\tA newer version of Corvane is already installed.$' ||
  fail "no refusal of a downgrade: $(table LaunchCondition)"
levels=$(table Feature | awk -F'\t' '{ print $2 "/" $1 "=" ($6 > 1 ? "chosen" : "default") }' | sort | tr '\n' ' ')
[ "$levels" = "/Corvane=default Corvane/EventSource=default Corvane/StartAtSignIn=chosen " ] ||
  fail "the features are $levels"

mkdir "$work/extracted"
msiextract -C "$work/extracted" "$work/Corvane-$version-x64.msi" >/dev/null
cmp -s "$work/extracted/Corvane/Corvane.exe" "$exe" || fail "the package's Corvane.exe is not $exe"
cmp -s "$work/extracted/Corvane/INSTALL.txt" "$source/INSTALL.txt" || fail "the package's INSTALL.txt is not ours"

# --- Installed with the default features ---
msiexec /i "$msi" || fail "the install ended with $?"
cmp -s "$folder/Corvane.exe" "$exe" || fail "no Corvane.exe, or another, in $folder"
[ -f "$folder/INSTALL.txt" ] || fail "no INSTALL.txt in $folder"
# Windows puts it in the all users' Programs menu; Wine's msiexec, which ignores ALLUSERS there, in the user's.
shortcuts() {
  compgen -G "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Corvane.lnk" || true
  compgen -G "$drive/users/*/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Corvane.lnk" || true
}
shortcut=$(shortcuts | head -n 1)
if [ -z "$shortcut" ]; then
  fail "no Corvane.lnk in the Programs menu"
else
  grep -aqF "$installed" "$shortcut" || fail "the shortcut does not start $installed"
fi
read -r code shown <<<"$(products)"
[ "$shown" = "$version" ] || fail "Apps & features shows: $(products)"
[ -n "${code:-}" ] && { cmp -s "$drive/windows/Installer/$code/Corvane.ico" "$source/art/Corvane.ico" ||
  fail "the shortcut's icon is not art/Corvane.ico"; }
[ "$(value "$source_key" EventMessageFile)" = "REG_SZ $installed" ] ||
  fail "EventMessageFile is $(value "$source_key" EventMessageFile)"
[ "$(value "$source_key" TypesSupported)" = "REG_DWORD 0x7" ] ||
  fail "TypesSupported is $(value "$source_key" TypesSupported)"
[ -z "$(value "$run_key" Corvane)" ] || fail "Corvane starts at sign-in though nobody chose it"

# The installed program runs: a command line it refuses ends it at once with code 2.
ran=0
timeout 60 wine "$installed" /backup 99 >"$work/run.txt" 2>&1 || ran=$?
[ "$ran" = 2 ] && grep -q '^Usage: Corvane.exe' "$work/run.txt" ||
  fail "the installed Corvane.exe /backup 99 ended with $ran: $(cat "$work/run.txt")"

# --- Uninstalled, with the settings and backups made meanwhile ---
printf '"App1.mde"\r\n' >"$settings"
mkdir -p "$backups"
printf 'backup' >"$backups/Arc12526App1.mde"
printf 'log\r\n' >"$backups/Corvane.log"
msiexec /x "$msi" || fail "the uninstall ended with $?"
[ ! -e "$folder/Corvane.exe" ] && [ ! -e "$folder/INSTALL.txt" ] || fail "the uninstall left the program"
[ -z "$(shortcuts)" ] || fail "the uninstall left $(shortcuts)"
[ -z "$(products)" ] || fail "the uninstall left the entry $(products)"
[ -z "$(value "$source_key" TypesSupported)" ] || fail "the uninstall left the event source"
[ "$(cat "$settings" 2>/dev/null)" = $'"App1.mde"\r' ] || fail "the uninstall changed or removed $settings"
[ "$(cat "$backups/Arc12526App1.mde" 2>/dev/null)" = backup ] || fail "the uninstall removed the backup"
[ -f "$backups/Corvane.log" ] || fail "the uninstall removed the log"

# --- Start at sign-in, chosen; then the next version over it, and this one refused over that ---
msiexec /i "$msi" ADDLOCAL=Corvane,StartAtSignIn || fail "the install with StartAtSignIn ended with $?"
[ "$(value "$run_key" Corvane)" = "REG_SZ \"$installed\"" ] || fail "the Run value is $(value "$run_key" Corvane)"
[ -z "$(value "$source_key" TypesSupported)" ] || fail "the event source came though ADDLOCAL left it out"
msiexec /i "$newer" || fail "the upgrade to $next ended with $?"
[ "$(products | awk '{ print $2 }')" = "$next" ] || fail "after the upgrade Apps & features shows: $(products)"
[ -f "$folder/Corvane.exe" ] || fail "the upgrade left no Corvane.exe"
# The launch condition ends it with 1603, which reaches the shell as its low byte, 67.
refused=0
msiexec /i "$msi" || refused=$?
[ "$refused" != 0 ] || fail "$version installed over $next"
[ "$(products | awk '{ print $2 }')" = "$next" ] || fail "after the refused downgrade Apps & features shows: $(products)"
msiexec /x "$newer" || fail "the uninstall of $next ended with $?"
[ -z "$(products)" ] && [ ! -e "$folder/Corvane.exe" ] || fail "the uninstall of $next left $(products)"
[ -z "$(value "$run_key" Corvane)" ] || fail "the uninstall left the Run value"
[ -f "$backups/Arc12526App1.mde" ] && [ -f "$settings" ] || fail "the uninstall of $next removed the data"

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "Corvane-$version-x64.msi installs, upgrades to $next, refuses the downgrade and uninstalls, keeping the data"
