#!/usr/bin/env bash
# The hardening a Windows program of ours must keep, read from its PE headers: ASLR
# (DYNAMIC_BASE, with a relocation table, without which Windows loads it at its fixed base
# anyway), DEP (NX_COMPAT), and in a 64-bit program HIGH_ENTROPY_VA, which lets ASLR use the whole
# address space. Usage: tools/check-pe.sh EXE...   (exits 1 naming what one of them lacks)
source "$(dirname "${BASH_SOURCE[0]}")/fail-loudly.sh"
[ "$#" -ge 1 ] || { sed -n '5s/^.*Usage: //p' "$0" >&2; exit 2; }
objdump=x86_64-w64-mingw32-objdump # reads 32-bit PE files as well

status=0
for exe in "$@"; do
  headers=$("$objdump" -p "$exe")
  lacks=()
  # The value of a header field, as hexadecimal digits: objdump prints some with 0x, some without.
  header() {
    sed -n "s/^$1[[:space:]]\{1,\}\(0x\)\{0,1\}\([0-9a-f]*\).*/\2/p" <<<"$headers" | head -n 1
  }
  if [ -z "$(header DllCharacteristics)" ]; then
    echo "FAIL: check-pe: $exe is no PE program" >&2; status=1; continue
  fi
  dll_characteristics=$((0x$(header DllCharacteristics)))
  [ $((dll_characteristics & 0x40)) -ne 0 ] || lacks+=(DYNAMIC_BASE)
  [ $((dll_characteristics & 0x100)) -ne 0 ] || lacks+=(NX_COMPAT)
  if [ "$(header Magic | cut -c1-4)" = 020b ]; then
    [ $((dll_characteristics & 0x20)) -ne 0 ] || lacks+=(HIGH_ENTROPY_VA)
  fi
  # IMAGE_FILE_RELOCS_STRIPPED, or no base relocation directory: nothing to move the image with.
  [ $((0x$(header Characteristics) & 0x1)) -eq 0 ] || lacks+=("relocations (stripped)")
  grep -Eq '^Entry 5 [0-9a-f]+ 0*[1-9a-f][0-9a-f]* Base Relocation Directory' <<<"$headers" ||
    lacks+=("a base relocation table")
  if [ "${#lacks[@]}" -eq 0 ]; then
    printf 'check-pe: %s: DllCharacteristics 0x%04x, relocations: fine\n' "$exe" \
      "$dll_characteristics"
  else
    echo "FAIL: check-pe: $exe lacks $(IFS=,; echo "${lacks[*]}" | sed 's/,/, /g')" >&2
    status=1
  fi
done
exit "$status"
