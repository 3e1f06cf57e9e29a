#!/usr/bin/env bash
# Builds a Windows Installer package of Rutschbild with wixl and msibuild from msitools.
# Usage: build-msi.sh ARCH VERSION OUTPUT EXE LICENCE ICON [EXTRA_FILE]
#   ARCH x64 or x86; VERSION three numbers (1.0.0); OUTPUT the .msi to write; EXTRA_FILE only
#   for the upgrade test's older package, which must leave no file behind when replaced.
# The package is finished when this script ends: signing it (osslsigncode, signtool) is the one
# step that may follow, because any later change to the file would break the signature.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/fail-loudly.sh"
[ "$#" -ge 6 ] || { sed -n '3,5s/^# \{0,1\}//p' "$0" >&2; exit 2; }
arch=$1 version=$2 output=$(realpath -m "$3") exe=$4 licence=$5 icon=$6 extra=${7:-}
wxs=$(realpath "$(dirname "$0")/rutschbild.wxs")
case $arch in
  x64) template='x64;1031' ;;
  x86) template='Intel;1031' ;;
  *) echo "build-msi.sh: ARCH must be x64 or x86, not '$arch'" >&2; exit 2 ;;
esac
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] ||
  { echo "build-msi.sh: VERSION must have three parts, not '$version'" >&2; exit 2; }

# wixl finds sources only by paths relative to where it runs: the files are gathered first,
# under the names the package gives them.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/Rutschbild.exe"
cp "$licence" "$stage/Lizenz.txt"
cp "$icon" "$stage/rutschbild.ico"
defines=(-D "Arch=$arch" -D "Version=$version")
if [ -n "$extra" ]; then
  cp "$extra" "$stage/$(basename "$extra")"
  defines+=(-D "ExtraFile=$(basename "$extra")")
fi

# wixl picks its string codepage from WINDOWS_LANGUAGE or the locale and fails on umlauts under
# some; without either it writes UTF-8, which the codepage import below turns into 1252.
(cd "$stage" && env -u WINDOWS_LANGUAGE LC_ALL=C.UTF-8 wixl -a "$arch" "${defines[@]}" \
  -o package.msi "$wxs")
# wixl ends with 0 also when it wrote nothing.
[ -s "$stage/package.msi" ] || { echo "build-msi.sh: wixl wrote no package" >&2; exit 1; }

# wixl always writes the template ...;1033 and a neutral string codepage: the package is German.
printf '\r\n\r\n1252\t_ForceCodepage\r\n' >"$stage/_ForceCodepage.idt"
(cd "$stage" && msibuild package.msi -i _ForceCodepage.idt)
msibuild "$stage/package.msi" -s "Rutschbild $version" "Rutschbild-Team" "$template"

mkdir -p "$(dirname "$output")"
mv "$stage/package.msi" "$output"
