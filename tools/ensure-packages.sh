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
# Another apt or dpkg (unattended-upgrades after boot, a second of our own scripts) may hold the
# lock for minutes: wait for it rather than fail. apt-get update takes no lock timeout for the
# lists, so it is tried again a few times.
lock_wait=(-o DPkg::Lock::Timeout="${RUTSCHBILD_APT_LOCK_TIMEOUT:-900}")
for attempt in 1 2 3 4 5 6; do
  "${sudo[@]}" apt-get "${lock_wait[@]}" update -qq && break
  [ "$attempt" -lt 6 ] || { echo "apt-get update failed six times" >&2; exit 1; }
  sleep "${RUTSCHBILD_APT_RETRY_PAUSE:-10}"
done
quietly "${sudo[@]}" apt-get "${lock_wait[@]}" install -y -qq --no-install-recommends "${missing[@]}"
