#!/usr/bin/env bash
# tools/background.sh as test.sh uses it: a job that fails shows its whole log when it is waited
# for, and also when the script ends early for a failure of its own in the foreground; a job
# that passes shows only what it was asked to. Usage: tests/scripts/background-jobs.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/fail-loudly.sh"
cd "$(dirname "$0")/../.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; cat "$scratch/log" >&2; exit 1; }

# Waited for: the failing job's log and name; the passing job's last line only.
cat >"$scratch/waited.sh" <<'SCRIPT'
source tools/fail-loudly.sh
source tools/background.sh
trap background_finish EXIT
background_start good sh -c 'echo good-first; echo good-last'
background_start bad sh -c 'echo bad-said-this; exit 3'
background_wait good 1
status=0
background_wait bad || status=$?
echo "bad ended $status"
SCRIPT
bash "$scratch/waited.sh" >"$scratch/log" 2>&1 || fail "the waiting script itself failed"
grep -qx 'good-last' "$scratch/log" && ! grep -q 'good-first' "$scratch/log" ||
  fail "a passing job showed more or less than its last line"
grep -q 'bad-said-this' "$scratch/log" && grep -q 'FAILED in the background: bad (exit status 3)' "$scratch/log" ||
  fail "a failing job's log or name was not shown"
grep -qx 'bad ended 3' "$scratch/log" || fail "background_wait did not return the job's status"

# Not waited for: the foreground fails first; the job's log still comes out.
cat >"$scratch/early.sh" <<'SCRIPT'
source tools/fail-loudly.sh
source tools/background.sh
trap background_finish EXIT
background_start slow sh -c 'sleep 1; echo slow-said-this; exit 4'
false
SCRIPT
if bash "$scratch/early.sh" >"$scratch/log" 2>&1; then fail "the early-failing script passed"; fi
grep -q 'background job "slow" failed too (exit status 4)' "$scratch/log" &&
  grep -q 'slow-said-this' "$scratch/log" || fail "after a foreground failure the job's log was lost"
echo "background-jobs: passed"
