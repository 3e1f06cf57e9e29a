#!/usr/bin/env bash
# The product and package codes of Rutschbild's packages are name-based: the same files give the
# same codes and, with SOURCE_DATE_EPOCH, the same bytes, whatever the files' times and the
# folder; another licence text or another version gives new codes; the two codes always differ.
# Builds three small packages with win32/installer/build-msi.sh from the files beside PACKAGE
# (its Rutschbild.exe and win32/Lizenz.txt). Usage: msi-codes.sh PACKAGE x64|x86
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/fail-loudly.sh"
cd "$(dirname "$0")/../.."
[ "$#" -eq 2 ] || { sed -n '6s/^.*Usage: //p' "$0" >&2; exit 2; }
package=$(realpath "$1") arch=$2
build=$(dirname "$package")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: msi-codes ($(basename "$package")): $*" >&2; exit 1; }

product_code() {
  msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' '$1 == "ProductCode" { print $2 }'
}
package_code() { msiinfo suminfo "$1" | sed -n 's/^Revision number (UUID): //p'; }
codes() { echo "$(product_code "$1") $(package_code "$1")"; }
version=$(msiinfo export "$package" Property | tr -d '\r' |
  awk -F'\t' '$1 == "ProductVersion" { print $2 }')

# The UUIDs themselves: braced, upper case, version 5, of the standard variant, not the same.
read -r product package_uuid <<<"$(codes "$package")"
for code in "$product" "$package_uuid"; do
  [[ $code =~ ^\{[0-9A-F]{8}-[0-9A-F]{4}-5[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\}$ ]] ||
    fail "'$code' is no name-based UUID"
done
[ "$product" != "$package_uuid" ] || fail "product and package code are the same"

# The script's own computation is the standard one (Python's uuid5), also for a namespace with
# a zero byte, which a shell easily loses.
source <(sed -n '/^name_uuid()/,/^}/p' win32/installer/build-msi.sh)
for namespace in 94300160-E428-47B2-9ACE-B1C0118AF1C2 6ba7b810-9dad-11d1-80b4-00c04fd430c8; do
  want=$(python3 -c 'import sys, uuid; print("{%s}" % str(uuid.uuid5(uuid.UUID(sys.argv[1]),
    sys.argv[2])).upper())' "$namespace" "Rutschbild $arch Größe 1.0.0")
  [ "$(name_uuid "$namespace" "Rutschbild $arch Größe 1.0.0")" = "$want" ] ||
    fail "name_uuid $namespace is not $want"
done

# The same files twice, copied at other times into another folder: the same package, byte for
# byte, and the codes of the package under test.
msi() { # OUTPUT VERSION LICENCE
  win32/installer/build-msi.sh "$arch" "$2" "$1" "$build/Rutschbild.exe" "$3" \
    resources/icons/rutschbild.ico
}
export SOURCE_DATE_EPOCH=1700000000
msi "$scratch/first.msi" "$version" "$build/win32/Lizenz.txt"
mkdir "$scratch/elsewhere"
sleep 1
cp "$build/win32/Lizenz.txt" "$scratch/elsewhere/Lizenz.txt"
(cd "$scratch/elsewhere" && umask 077 &&
  "$OLDPWD/win32/installer/build-msi.sh" "$arch" "$version" again.msi "$build/Rutschbild.exe" \
  Lizenz.txt "$OLDPWD/resources/icons/rutschbild.ico")
cmp "$scratch/first.msi" "$scratch/elsewhere/again.msi" || fail "the same files gave two packages"
[ "$(codes "$scratch/first.msi")" = "$product $package_uuid" ] ||
  fail "a rebuild has other codes: $(codes "$scratch/first.msi")"
TZ=UTC msiinfo suminfo "$scratch/first.msi" | grep -qx 'Created: Tue Nov 14 22:13:20 2023' ||
  fail "the creation time is not SOURCE_DATE_EPOCH's"
TZ=UTC msiinfo suminfo "$scratch/first.msi" | grep -qx 'Last saved: Tue Nov 14 22:13:20 2023' ||
  fail "the last-saved time is not SOURCE_DATE_EPOCH's"

# Another licence text: another package, with two new codes.
{ cat "$build/win32/Lizenz.txt"; printf 'Noch ein Satz.\r\n'; } >"$scratch/Lizenz.txt"
msi "$scratch/changed.msi" "$version" "$scratch/Lizenz.txt"
read -r changed_product changed_package <<<"$(codes "$scratch/changed.msi")"
[ "$changed_product" != "$product" ] || fail "a changed licence kept the product code"
[ "$changed_package" != "$package_uuid" ] || fail "a changed licence kept the package code"
# Another version of the same files: a new product code, which a major upgrade needs.
msi "$scratch/other-version.msi" 0.0.1 "$build/win32/Lizenz.txt"
[ "$(product_code "$scratch/other-version.msi")" != "$product" ] ||
  fail "another version kept the product code"
echo "msi-codes: $(basename "$package"): $product (product), $package_uuid (package) passed"
