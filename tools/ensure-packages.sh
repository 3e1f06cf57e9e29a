#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages named as arguments that are not installed yet.
# Run by run.sh, test.sh, bench.sh and the tools; quiet and quick when everything is already there.
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"

missing=()
for package in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null; then
  echo "Missing packages: ${missing[*]}. Please install them (no apt-get on this system)." >&2
  exit 1
fi
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
quietly "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
