#!/usr/bin/env bash
# tools/check-pe.sh must pass what MinGW-w64 links by default and reject a program that lacks any
# one of ASLR, DEP, high-entropy addresses (64-bit), or the relocations ASLR moves it by. The
# programs are a few lines of C, linked with the one switch that takes the property away, or with
# the header byte patched where no linker switch takes it away alone.
# Usage: tests/scripts/pe-hardening.sh   (a few seconds)
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/fail-loudly.sh"
cd "$(dirname "$0")/../.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: pe-hardening: $*" >&2; exit 1; }
printf 'int main(void) { return 0; }\n' >"$scratch/main.c"

link() { # TRIPLET NAME LINKER-OPTION...
  local triplet=$1 name=$2
  shift 2
  "$triplet-gcc" -O2 -s "$scratch/main.c" -o "$scratch/$name.exe" "$@"
}
u32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }
put_byte() { # FILE OFFSET VALUE
  printf "\\x$(printf %02x "$3")" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

accepts() { # NAME
  tools/check-pe.sh "$scratch/$1.exe" >/dev/null 2>"$scratch/err" ||
    { cat "$scratch/err" >&2; fail "$1.exe rejected"; }
}
rejects() { # NAME WHAT: the check fails and names WHAT among the missing
  if tools/check-pe.sh "$scratch/$1.exe" >/dev/null 2>"$scratch/err"; then
    fail "$1.exe accepted without $2"
  fi
  grep -q "lacks .*$2" "$scratch/err" || { cat "$scratch/err" >&2; fail "$1.exe: not '$2'"; }
}

link x86_64-w64-mingw32 default64
accepts default64
link i686-w64-mingw32 default32
accepts default32

link x86_64-w64-mingw32 no-aslr -Wl,--disable-dynamicbase
rejects no-aslr DYNAMIC_BASE
link x86_64-w64-mingw32 no-dep -Wl,--disable-nxcompat
rejects no-dep NX_COMPAT
link i686-w64-mingw32 no-dep32 -Wl,--disable-nxcompat
rejects no-dep32 NX_COMPAT
link x86_64-w64-mingw32 low-entropy -Wl,--disable-high-entropy-va
rejects low-entropy HIGH_ENTROPY_VA

# The linker drops DYNAMIC_BASE along with the relocations, so these two are made by hand from
# the good program: the "relocations stripped" flag set, and the relocation table's size zero.
pe=$(u32 "$scratch/default64.exe" 60)
cp "$scratch/default64.exe" "$scratch/stripped.exe"
put_byte "$scratch/stripped.exe" $((pe + 22)) $(($(od -An -tu1 -j $((pe + 22)) -N1 \
  "$scratch/stripped.exe") | 1))
rejects stripped "relocations (stripped)"
cp "$scratch/default64.exe" "$scratch/no-table.exe"
# PE32+: the data directories start 112 bytes into the optional header; the fifth is the table.
for i in 0 1 2 3; do put_byte "$scratch/no-table.exe" $((pe + 24 + 112 + 5 * 8 + 4 + i)) 0; done
rejects no-table "a base relocation table"
echo "pe-hardening: the check accepts the default programs and rejects each weakened one"
