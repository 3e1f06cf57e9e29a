#!/usr/bin/env bash
# The Windows step on a machine whose kernel cannot execute 32-bit programs: a stand-in 32-bit
# Wine loader that has the run bit but a format no kernel runs. The step must say so in one line,
# still build the 32-bit program and pass. Only the programs are built: what runs under the
# 64-bit Wine is the same as in the real step. Usage: tests/scripts/windows-step-without-32bit.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/fail-loudly.sh"
cd "$(dirname "$0")/../.."

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
loader=$scratch/wine
printf '\177ELF\001\001\001\000not a program for any machine' >"$loader"
chmod +x "$loader"

status=0
ledger=$scratch/skipped
RUTSCHBILD_SKIPPED=$ledger RUTSCHBILD_WINE32=$loader tools/test-windows.sh --programs-only \
  >"$scratch/log" 2>&1 || status=$?
skipped=$(grep -c "^== skipped: the i686 suites and the x86 installer under Wine (no 32-bit Wine: $loader does not run here: .*; the i686 program and its package are built)$" "$scratch/log" || true)
# The run's own ledger gets the same one entry.
[ "$(grep -c "does not run here" "$ledger" 2>/dev/null || true)" -eq 1 ] || skipped=0
if [ "$status" -ne 0 ] || [ "$skipped" -ne 1 ] || grep -q "under $(basename "$loader")\$" "$scratch/log"; then
  cat "$scratch/log"
  echo "FAIL: with a 32-bit loader that cannot run, the Windows step must skip the i686 suites" \
       "with one line and pass (exit status $status, $skipped skip lines)" >&2
  exit 1
fi
grep '^== skipped: ' "$scratch/log"
echo "windows-step-without-32bit: passed"
