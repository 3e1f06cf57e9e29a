#!/usr/bin/env bash
# tools/ensure-packages.sh against stand-ins for apt-get, dpkg-query and sudo: it must wait for a
# dpkg lock that another holds for a while, try a failing apt-get update again, and fail (never
# pass quietly) when the install itself fails. Usage: tests/scripts/apt-lock-wait.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/fail-loudly.sh"
cd "$(dirname "$0")/../.."

scratch=$(mktemp -d)
holder=
trap '[ -z "$holder" ] || kill "$holder" 2>/dev/null || true; rm -rf "$scratch"' EXIT
bin=$scratch/bin
mkdir "$bin"
export STANDIN_LOCK=$scratch/lock STANDIN_CALLS=$scratch/calls STANDIN_STATE=$scratch
touch "$STANDIN_LOCK"

# Every package is missing; sudo just runs the command.
printf '#!/bin/sh\nexit 1\n' >"$bin/dpkg-query"
printf '#!/bin/sh\nexec "$@"\n' >"$bin/sudo"
# apt-get as dpkg's lock makes it behave: without a lock timeout it gives up at once when the lock
# is taken, with one it waits up to that long. "update" fails as often as update-failures says;
# "install" fails when install-fails exists.
cat >"$bin/apt-get" <<'STANDIN'
#!/bin/bash
echo "apt-get $*" >>"$STANDIN_CALLS"
timeout=-n
for argument; do
  case $argument in DPkg::Lock::Timeout=*) timeout="-w ${argument#*=}" ;; esac
done
flock $timeout "$STANDIN_LOCK" true || { echo "E: Could not get lock $STANDIN_LOCK" >&2; exit 100; }
case " $* " in
  *" update "*)
    failures=$(cat "$STANDIN_STATE/update-failures" 2>/dev/null || echo 0)
    if [ "$failures" -gt 0 ]; then echo $((failures - 1)) >"$STANDIN_STATE/update-failures"; exit 100; fi ;;
  *" install "*) [ ! -e "$STANDIN_STATE/install-fails" ] || exit 100 ;;
esac
STANDIN
chmod +x "$bin"/*
ensure() { PATH=$bin:$PATH RUTSCHBILD_APT_RETRY_PAUSE=0 tools/ensure-packages.sh some-package; }
fail() { echo "FAIL: $*" >&2; cat "$STANDIN_CALLS" >&2; exit 1; }

# Another apt holds the lock for three seconds.
flock "$STANDIN_LOCK" sleep 3 &
holder=$!
sleep 0.3
started=$SECONDS
ensure >"$scratch/log" 2>&1 || fail "ensure-packages gave up on a lock that was freed after 3 s"
wait "$holder"; holder=
[ $((SECONDS - started)) -ge 2 ] || fail "ensure-packages did not wait for the lock"
grep -q '^apt-get -o DPkg::Lock::Timeout=[0-9]* install ' "$STANDIN_CALLS" ||
  fail "install was not given a lock timeout"

# apt-get update fails twice (a mirror, the lists' lock) and is tried again.
: >"$STANDIN_CALLS"
echo 2 >"$scratch/update-failures"
ensure >"$scratch/log" 2>&1 || fail "ensure-packages did not try apt-get update again"
[ "$(grep -c ' update ' "$STANDIN_CALLS")" -eq 3 ] || fail "apt-get update not called three times"

# A failed install is a failure.
touch "$scratch/install-fails"
if ensure >"$scratch/log" 2>&1; then fail "ensure-packages passed although the install failed"; fi
grep -q 'FAILED' "$scratch/log" || fail "the failed install did not say which command failed"
echo "apt-lock-wait: passed"
