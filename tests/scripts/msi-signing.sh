#!/usr/bin/env bash
# A package as built takes a signature as its last step: signed with a throw-away certificate, the
# signature verifies and the tables read the same as before. Usage: msi-signing.sh PACKAGE
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/fail-loudly.sh"
[ "$#" -eq 1 ] || { echo "Usage: msi-signing.sh PACKAGE" >&2; exit 2; }
package=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: msi-signing ($(basename "$package")): $*" >&2; exit 1; }

quietly openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=Rutschbild-Test \
  -keyout "$scratch/key.pem" -out "$scratch/certificate.pem" 2>/dev/null
quietly osslsigncode sign -certs "$scratch/certificate.pem" -key "$scratch/key.pem" \
  -n Rutschbild -in "$package" -out "$scratch/signed.msi"
osslsigncode verify -in "$scratch/signed.msi" -CAfile "$scratch/certificate.pem" \
  >"$scratch/verify.txt" 2>&1 || { cat "$scratch/verify.txt" >&2; fail "the signature does not verify"; }

# msiinfo export writes the streams of tables like Icon into files: in the scratch folder.
tables() {
  local table
  for table in $(msiinfo tables "$1" | sort); do (cd "$scratch" && msiinfo export "$1" "$table"); done
}
cmp <(tables "$(realpath "$package")") <(tables "$scratch/signed.msi") || fail "signing changed the tables"
echo "msi-signing: $(basename "$package") signed and verified"
