#!/usr/bin/env bash
# Checks that a Linux program carries the hardening of Debian's own builds: Debian's
# hardening-check (PIE, stack protector, fortified libc calls, RELRO, immediate binding) and, on
# x86, branch protection. The linker marks a program as branch-protected only when every object
# in it is, and Debian 12's C start files are not, so no program of Debian 12 gets the mark
# (/usr/bin/ls neither): the check asks hardening-check to leave that out and instead counts the
# endbr64 landing pads that -fcf-protection puts at the start of the program's own functions.
# Usage: tools/check-hardening.sh ELF   (prints one line; exits non-zero on what is missing)
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
[ "$#" -eq 1 ] || { echo "Usage: tools/check-hardening.sh ELF" >&2; exit 2; }
program=$1
out=$(hardening-check --nocfprotection "$program" 2>&1) ||
  { echo "hardening-check: $program:$(grep ': no' <<<"$out" | grep -v '(ignored)' | tr -s ' ' | tr '\n' ';')" >&2
    exit 1; }
if readelf -h "$program" | grep -q 'Machine:.*X86-64'; then
  # The C start files alone bring two; a program built with the flag has one per function.
  pads=$(objdump -d "$program" | grep -c endbr64 || true)
  [ "$pads" -ge 20 ] ||
    { echo "hardening-check: $program: no branch protection ($pads endbr64 landing pads)" >&2; exit 1; }
fi
echo "hardened: $program (PIE, stack protector, fortified calls, full RELRO, branch protection)"
