#!/usr/bin/env python3
"""ZIP archives that are the same bytes whenever and wherever they are made: entries in name
order, every one dated SOURCE_DATE_EPOCH (UTC), modes 644 or 755, no owners and no extra fields.

Usage: reproducible-zip.py pack FOLDER ARCHIVE   packs a folder (the web site: every file 644,
                                                 as a web host runs none of them)
       reproducible-zip.py normalise ZIP...      rewrites ZIPs in place (CPack's takes its order
                                                 from the file system and its owners from the
                                                 building account); without SOURCE_DATE_EPOCH
                                                 their times are kept
"""
import os
import sys
import time
import zipfile


def dos_time(epoch):
    # A ZIP's DOS times start in 1980 and count whole pairs of seconds.
    return time.gmtime(max(epoch, 315532800))[:6]


def source_date():
    epoch = os.environ.get("SOURCE_DATE_EPOCH", "")
    if epoch and not epoch.isdigit():
        sys.exit(f"reproducible-zip: SOURCE_DATE_EPOCH is no time in seconds: {epoch}")
    return int(epoch) if epoch else None


def write(path, entries):
    """entries: (name, date_time, mode, data); written sorted by name through a temporary file."""
    temporary = path + ".part"
    with zipfile.ZipFile(temporary, "w") as archive:
        for name, date_time, mode, data in sorted(entries, key=lambda entry: entry[0]):
            info = zipfile.ZipInfo(name, date_time)
            info.create_system = 3  # Unix, so that the mode is read
            info.external_attr = (0o100000 | mode) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, data, compresslevel=9)
    os.replace(temporary, path)


def pack(folder, archive):
    epoch = source_date()
    if epoch is None:
        sys.exit("reproducible-zip: SOURCE_DATE_EPOCH must be set to pack a folder")
    entries = []
    for root, _, files in os.walk(folder):
        for name in files:
            path = os.path.join(root, name)
            with open(path, "rb") as source:
                data = source.read()
            entries.append((os.path.relpath(path, folder).replace(os.sep, "/"), dos_time(epoch), 0o644, data))
    if not entries:
        sys.exit(f"reproducible-zip: {folder} holds no files")
    write(archive, entries)


def normalise(path):
    epoch = source_date()
    with zipfile.ZipFile(path) as old:
        entries = [
            (info.filename, info.date_time if epoch is None else dos_time(epoch),
             0o755 if (info.external_attr >> 16) & 0o111 else 0o644, old.read(info))
            for info in old.infolist()
        ]
    write(path, entries)


def main(args):
    if len(args) == 3 and args[0] == "pack":
        pack(args[1], args[2])
    elif len(args) >= 2 and args[0] == "normalise":
        for path in args[1:]:
            normalise(path)
    else:
        sys.exit(__doc__.split("\n\n", 1)[1].rstrip())


if __name__ == "__main__":
    main(sys.argv[1:])
