#!/usr/bin/env python3
"""Packs a folder into a ZIP archive that is the same bytes whenever and wherever it is packed:
entries in name order, each dated SOURCE_DATE_EPOCH (UTC), files readable by all (0644), no
owners and no extra fields. A web host or a player unpacks it; nobody needs the build's times.

Usage: tools/pack-zip.py FOLDER ARCHIVE
"""
import os
import sys
import time
import zipfile


def pack(folder, archive, epoch):
    # The ZIP format counts from 1980; an earlier commit time is clamped to its first day.
    date = max(time.gmtime(epoch)[:6], (1980, 1, 1, 0, 0, 0))
    names = []
    for root, dirs, files in os.walk(folder):
        dirs.sort()
        for name in files:
            names.append(os.path.relpath(os.path.join(root, name), folder))
    if not names:
        raise SystemExit(f"pack-zip: {folder} holds no files")
    with zipfile.ZipFile(archive, "w") as zip_file:
        for name in sorted(names, key=lambda n: n.replace(os.sep, "/")):
            entry = zipfile.ZipInfo(name.replace(os.sep, "/"), date)
            entry.external_attr = 0o100644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(folder, name), "rb") as source:
                zip_file.writestr(entry, source.read(), compresslevel=9)


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__.strip().splitlines()[-1])
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch or not epoch.isdigit():
        raise SystemExit("pack-zip: SOURCE_DATE_EPOCH must be set to a time in seconds")
    pack(sys.argv[1], sys.argv[2], int(epoch))


if __name__ == "__main__":
    main()
