#!/usr/bin/env python3
"""Rewrites a ZIP so that the same files always give the same bytes: entries sorted by name,
every time SOURCE_DATE_EPOCH's (when it is set), modes 644 or 755, and no owner or extra fields.
CPack's own ZIP takes the order from the file system and the owner from the building account.
Usage: normalise-zip.py ZIP..."""
import os
import sys
import time
import zipfile


def entry_time(info):
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        return info.date_time
    # A ZIP's DOS times start in 1980 and count whole pairs of seconds.
    return time.gmtime(max(int(epoch), 315532800))[:6]


def normalise(path):
    with zipfile.ZipFile(path) as old:
        entries = [(info, old.read(info)) for info in old.infolist()]
    entries.sort(key=lambda entry: entry[0].filename)
    temporary = path + ".part"
    with zipfile.ZipFile(temporary, "w") as new:
        for info, data in entries:
            clean = zipfile.ZipInfo(info.filename, entry_time(info))
            clean.create_system = 3  # Unix, so that the modes below are read
            mode = 0o755 if (info.external_attr >> 16) & 0o111 else 0o644
            clean.external_attr = (0o100000 | mode) << 16
            clean.compress_type = zipfile.ZIP_DEFLATED
            new.writestr(clean, data, compresslevel=9)
    os.replace(temporary, path)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__.rsplit("\n", 1)[-1])
    for zip_path in sys.argv[1:]:
        normalise(zip_path)
