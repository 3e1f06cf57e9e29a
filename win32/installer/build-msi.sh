#!/usr/bin/env bash
# Builds a Windows Installer package of Rutschbild with wixl and msibuild from msitools.
# Usage: build-msi.sh ARCH VERSION OUTPUT EXE LICENCE ICON [EXTRA_FILE]
#   ARCH x64 or x86; VERSION three numbers (1.0.0); OUTPUT the .msi to write; EXTRA_FILE only
#   for the upgrade test's older package, which must leave no file behind when replaced.
# The package is finished when this script ends: signing it (osslsigncode, signtool) is the one
# step that may follow, because any later change to the file would break the signature.
# The same inputs give the same package byte for byte when SOURCE_DATE_EPOCH is set: it is then
# the time of every file in the cabinet and of the summary information; without it, the build's.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/fail-loudly.sh"
[ "$#" -ge 6 ] || { sed -n '3,5s/^# \{0,1\}//p' "$0" >&2; exit 2; }
arch=$1 version=$2 output=$(realpath -m "$3") exe=$4 licence=$5 icon=$6 extra=${7:-}
script=$(realpath "$0")
wxs=$(dirname "$script")/rutschbild.wxs
# The product and package codes are derived from the architecture's UpgradeCode in rutschbild.wxs:
# the x64 one comes first there.
case $arch in
  x64) template='x64;1031' upgrade_entry=1 ;;
  x86) template='Intel;1031' upgrade_entry=2 ;;
  *) echo "build-msi.sh: ARCH must be x64 or x86, not '$arch'" >&2; exit 2 ;;
esac
upgrade_code=$(grep -o 'UpgradeCode = "[0-9A-F-]*"' "$wxs" | sed -n "${upgrade_entry}s/.*\"\(.*\)\"/\1/p")
[[ $upgrade_code =~ ^[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}$ ]] ||
  { echo "build-msi.sh: no UpgradeCode for $arch in $wxs" >&2; exit 1; }
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] ||
  { echo "build-msi.sh: VERSION must have three parts, not '$version'" >&2; exit 2; }

# wixl finds sources only by paths relative to where it runs: the files are gathered first,
# under the names the package gives them.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/Rutschbild.exe"
cp "$licence" "$stage/Lizenz.txt"
cp "$icon" "$stage/rutschbild.ico"
staged=(Rutschbild.exe Lizenz.txt rutschbild.ico)
defines=(-D "Arch=$arch" -D "Version=$version")
if [ -n "$extra" ]; then
  cp "$extra" "$stage/$(basename "$extra")"
  staged+=("$(basename "$extra")")
  defines+=(-D "ExtraFile=$(basename "$extra")")
fi
# The cabinet keeps each file's time and read-only flag: neither may depend on the checkout.
chmod 644 "${staged[@]/#/$stage/}"
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  touch -d "@$SOURCE_DATE_EPOCH" "${staged[@]/#/$stage/}"
fi

# Product and package code are name-based (version 5) UUIDs in the UpgradeCode's namespace, of
# the version and of everything that goes into the package: the same package gets the same codes
# again, a changed one new ones, and a newer version always a new product code, which a major
# upgrade needs. The two names differ, so the codes do too.
content=$( (cd "$stage" && sha256sum "${staged[@]}"; sha256sum <"$wxs"; sha256sum <"$script") |
  sha256sum | cut -c1-64)
name_uuid() { # NAMESPACE NAME: printed as {XXXXXXXX-...}, upper case
  local bytes hash
  bytes=$(sed 's/../\\x&/g' <<<"${1//-/}")
  hash=$({ printf '%b' "$bytes"; printf '%s' "$2"; } | sha1sum | cut -c1-32)
  hash=${hash:0:12}5${hash:13:3}$(printf '%x' $((0x${hash:16:1} & 3 | 8)))${hash:17:15}
  hash=${hash^^}
  printf '{%s-%s-%s-%s-%s}' \
    "${hash:0:8}" "${hash:8:4}" "${hash:12:4}" "${hash:16:4}" "${hash:20:12}"
}
product_code=$(name_uuid "$upgrade_code" "Rutschbild $arch $version product $content")
package_code=$(name_uuid "$upgrade_code" "Rutschbild $arch $version package $content")
defines+=(-D "ProductCode=$product_code")

# wixl picks its string codepage from WINDOWS_LANGUAGE or the locale and fails on umlauts under
# some; without either it writes UTF-8, which the codepage import below turns into 1252.
(cd "$stage" && env -u WINDOWS_LANGUAGE LC_ALL=C.UTF-8 wixl -a "$arch" "${defines[@]}" \
  -o package.msi "$wxs")
# wixl ends with 0 also when it wrote nothing.
[ -s "$stage/package.msi" ] || { echo "build-msi.sh: wixl wrote no package" >&2; exit 1; }

# wixl always writes the template ...;1033 and a neutral string codepage: the package is German.
printf '\r\n\r\n1252\t_ForceCodepage\r\n' >"$stage/_ForceCodepage.idt"
(cd "$stage" && msibuild package.msi -i _ForceCodepage.idt)
msibuild "$stage/package.msi" -s "Rutschbild $version" "Rutschbild-Team" "$template" "$package_code"
# wixl writes the build's time into the summary information; msibuild keeps it.
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  python3 "$(dirname "$script")/summary-times.py" "$stage/package.msi" "$SOURCE_DATE_EPOCH"
fi

mkdir -p "$(dirname "$output")"
mv "$stage/package.msi" "$output"
