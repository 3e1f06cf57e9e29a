#!/usr/bin/env bash
# tools/reproducible-zip.py normalise, which cpack runs on the Windows ZIPs: two ZIPs of the same
# files packed in another order, at other times, with other modes and owners come out byte for byte the same,
# sorted, with SOURCE_DATE_EPOCH's time and modes 644 and 755; without SOURCE_DATE_EPOCH the
# times stay. Usage: tests/scripts/zip-normalise.sh   (a second)
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/fail-loudly.sh"
cd "$(dirname "$0")/../.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: zip-normalise: $*" >&2; exit 1; }

# pack ZIP TIME MODE-OF-TEXTS NAME...: the names in the order given, each with that time and mode
# (the exe with its run bits), and an owner field as libarchive writes one.
pack() {
  python3 - "$@" <<'EOF'
import struct, sys, zipfile
path, when, mode = sys.argv[1], int(sys.argv[2]), int(sys.argv[3], 8)
with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
    for name in sys.argv[4:]:
        info = zipfile.ZipInfo(name, (2000 + when, 1, 2, 3, 4, 6))
        info.external_attr = (0o100000 | (mode | 0o111 if name.endswith(".exe") else mode)) << 16
        info.extra = struct.pack("<HHBBIBI", 0x7875, 11, 1, 4, 1000 + when, 4, 1000 + when)
        archive.writestr(info, "content of %s\r\n" % name)
EOF
}
# Mode, date and name of each entry, in the ZIP's order.
listing() {
  zipinfo "$1" | sed -n 's/^\(-[rwx-]*\) .* \([0-9]*-[A-Za-z]*-[0-9]* [0-9:]*\) \(.*\)/\1 \2 \3/p'
}

pack "$scratch/one.zip" 1 644 Rutschbild.exe Lizenz.txt LIESMICH.txt
pack "$scratch/two.zip" 5 664 Lizenz.txt LIESMICH.txt Rutschbild.exe
SOURCE_DATE_EPOCH=1700000000 tools/reproducible-zip.py normalise "$scratch/one.zip" "$scratch/two.zip"
cmp "$scratch/one.zip" "$scratch/two.zip" || fail "the same files gave two ZIPs"
expected='-rw-r--r-- 23-Nov-14 22:13 LIESMICH.txt
-rw-r--r-- 23-Nov-14 22:13 Lizenz.txt
-rwxr-xr-x 23-Nov-14 22:13 Rutschbild.exe'
[ "$(listing "$scratch/one.zip")" = "$expected" ] ||
  fail "unexpected entries: $(listing "$scratch/one.zip")"
zipinfo -v "$scratch/one.zip" | grep -q 'UID/GID' && fail "an owner field is left"
unzip -tq "$scratch/one.zip" >/dev/null || fail "the ZIP does not test as sound"

pack "$scratch/kept.zip" 1 644 Lizenz.txt
env -u SOURCE_DATE_EPOCH tools/reproducible-zip.py normalise "$scratch/kept.zip"
listing "$scratch/kept.zip" | grep -qx -- '-rw-r--r-- 01-Jan-02 03:04 Lizenz.txt' ||
  fail "without SOURCE_DATE_EPOCH the time changed: $(listing "$scratch/kept.zip")"
echo "zip-normalise: passed"
