#!/usr/bin/env bash
# The tables of a Windows Installer package of Rutschbild, read with msiinfo: what wixl is known
# to get wrong or leave out, and what must never change between releases (the UpgradeCodes).
# Debian has no validator for the installer's own consistency rules; these are the ones the
# package relies on. Usage: msi-tables.sh PACKAGE x64|x86
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/fail-loudly.sh"
cd "$(dirname "$0")/../.."
[ "$#" -eq 2 ] || { sed -n '5s/^.*Usage: //p' "$0" >&2; exit 2; }
package=$1 arch=$2
fail() { echo "FAIL: msi-tables ($(basename "$package")): $*" >&2; exit 1; }

table() { msiinfo export "$package" "$1" | tr -d '\r' | tail -n +4; }
row() { table "$1" | awk -F'\t' -v key="$2" '$1 == key'; }
column() { row "$1" "$2" | cut -f "$3"; }
summary() { msiinfo suminfo "$package" | sed -n "s/^$1: //p"; }

# The one version, from the top-level CMakeLists.txt: in the file name as it stands there, in
# the package in three parts.
project_version=$(sed -n 's/^project(Rutschbild VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
version=$project_version
[[ $version =~ ^[0-9]+\.[0-9]+$ ]] && version=$version.0
[ "$(basename "$package")" = "Rutschbild-$project_version-$arch.msi" ] || fail "unexpected file name"

if [ "$arch" = x64 ]; then
  template='x64;1031' upgrade_code='{94300160-E428-47B2-9ACE-B1C0118AF1C2}'
  program_files=ProgramFiles64Folder bits64=256
else
  template='Intel;1031' upgrade_code='{280490E7-0F3D-4E02-BAD7-F0EF11298DE3}'
  program_files=ProgramFilesFolder bits64=0
fi

[ "$(summary Template)" = "$template" ] || fail "template '$(summary Template)', not '$template'"
# wixl writes the summary's texts in UTF-8 but declares codepage 1252: an umlaut there would show
# garbled in Explorer's properties of the file.
if msiinfo suminfo "$package" | LC_ALL=C grep -aq $'[\x80-\xff]'; then
  fail "the summary information has a text beyond ASCII"
fi
# The string pool's codepage: 1252, so that Windows shows the umlauts right.
msiinfo export "$package" _ForceCodepage | tr -d '\r\0' | grep -qx $'1252\t_ForceCodepage' ||
  fail "the strings are not in codepage 1252"

for pair in ProductName=Rutschbild Manufacturer=Rutschbild-Team ProductLanguage=1031 \
    "ProductVersion=$version" "UpgradeCode=$upgrade_code" ALLUSERS=1 ARPNOMODIFY=1 \
    ARPPRODUCTICON=Rutschbild.ico; do
  [ "$(column Property "${pair%%=*}" 2)" = "${pair#*=}" ] ||
    fail "property ${pair%%=*} is '$(column Property "${pair%%=*}" 2)', not '${pair#*=}'"
done

# Every component in the right registry and file-system view; the shortcut's kept by an HKCU value.
while IFS=$'\t' read -r component _ _ attributes _; do
  [ $((attributes & 256)) -eq "$bits64" ] || fail "component $component has attributes $attributes"
done < <(table Component)
[ "$(column Component Shortcut 4)" = $((bits64 + 4)) ] || fail "the shortcut's key path is no registry value"
[ "$(column Registry "$(column Component Shortcut 6)" 2)" = 1 ] || fail "the shortcut's key path is not under HKCU"
[ "$(column Directory INSTALLDIR 2)" = "$program_files" ] || fail "not installed under $program_files"

# Not advertised: the target is a path, not a feature, and the long names are there.
[ "$(column Shortcut StartMenuShortcut 5)" = '[INSTALLDIR]Rutschbild.exe' ] || fail "the shortcut is advertised"
[ "$(column Shortcut StartMenuShortcut 12)" = INSTALLDIR ] || fail "the shortcut has no working directory"
[ "$(column Shortcut StartMenuShortcut 3)" = 'RUTSCH~1|Rutschbild' ] || fail "the shortcut's name"
[ "$(column File RutschbildExe 3)" = 'RUTSCH~1.EXE|Rutschbild.exe' ] || fail "the exe's file name"

# The install location is known before the installation is written down, and set as the user.
[ "$(column CustomAction SetInstallLocation 2)" = 51 ] || fail "the install-location action's type"
[ "$(column InstallExecuteSequence SetInstallLocation 3)" -lt \
  "$(column InstallExecuteSequence InstallFinalize 3)" ] || fail "the install location is set too late"

# The refusals, in German with their umlauts.
[ "$(column LaunchCondition 'NOT WIX_DOWNGRADE_DETECTED' 2)" = \
  'Eine neuere Version von Rutschbild ist schon installiert. Diese ältere Version wird nicht installiert.' ] ||
  fail "the downgrade message"
if [ "$arch" = x86 ]; then
  column LaunchCondition 'NOT VersionNT64' 2 | grep -q '^Dieses Paket ist für 32-Bit-Windows\.' ||
    fail "the x86 package does not refuse a 64-bit Windows"
else
  [ -z "$(row LaunchCondition 'NOT VersionNT64')" ] || fail "the x64 package refuses 64-bit Windows"
fi
echo "msi-tables: $(basename "$package") ($(stat -c %s "$package") bytes) passed"
