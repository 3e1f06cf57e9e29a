#!/usr/bin/env python3
"""Sets the creation and last-saved times in a Windows Installer package's summary information
to one given time, in place: wixl writes the time of the build there, and msibuild has no option
for either. The package is a compound file; the two times are FILETIMEs in the property set of
its stream "\\x05SummaryInformation", overwritten byte for byte, so nothing else moves.
Usage: summary-times.py PACKAGE SECONDS_SINCE_1970"""
import struct
import sys

SUMMARY = "\x05SummaryInformation"
CREATED, LAST_SAVED = 12, 13  # property ids of the summary information
VT_FILETIME = 64
FREE_OR_END = 0xFFFFFFFA  # sector numbers from here up mark no further sector


class CompoundFile:
    def __init__(self, data):
        if data[:8] != bytes.fromhex("d0cf11e0a1b11ae1"):
            raise ValueError("not a compound file")
        self.data = data
        self.sector_size = 1 << struct.unpack_from("<H", data, 0x1E)[0]
        self.mini_size = 1 << struct.unpack_from("<H", data, 0x20)[0]
        (fat_sectors, self.first_directory, _, self.cutoff, first_mini_fat, mini_fat_sectors,
         next_difat, difat_sectors) = struct.unpack_from("<IIIIIIII", data, 0x2C)
        difat = list(struct.unpack_from("<109I", data, 0x4C))
        per_sector = self.sector_size // 4
        for _ in range(difat_sectors):
            entries = struct.unpack_from("<%dI" % per_sector, data, self.offset(next_difat))
            difat += entries[:-1]
            next_difat = entries[-1]
        self.fat = []
        for sector in difat[:fat_sectors]:
            self.fat += struct.unpack_from("<%dI" % per_sector, data, self.offset(sector))
        self.mini_fat = []
        for sector in self.chain(first_mini_fat)[:mini_fat_sectors]:
            self.mini_fat += struct.unpack_from("<%dI" % per_sector, data, self.offset(sector))

    def offset(self, sector):
        return (sector + 1) * self.sector_size

    def chain(self, sector, table=None):
        table = self.fat if table is None else table
        sectors = []
        while sector < FREE_OR_END:
            if len(sectors) > len(table):
                raise ValueError("a sector chain runs in a circle")
            sectors.append(sector)
            sector = table[sector]
        return sectors

    def entries(self):
        """(name, start sector, size) of every entry of the directory, the root's first."""
        for sector in self.chain(self.first_directory):
            base = self.offset(sector)
            for at in range(base, base + self.sector_size, 128):
                length = struct.unpack_from("<H", self.data, at + 0x40)[0]
                name = self.data[at:at + max(length - 2, 0)].decode("utf-16-le")
                start, size = struct.unpack_from("<IQ", self.data, at + 0x74)
                if self.sector_size == 512:
                    size &= 0xFFFFFFFF  # version 3 files may leave the high half undefined
                yield name, start, size

    def file_offsets(self, name):
        """The file offset of every byte of the stream NAME, in the stream's order."""
        entries = list(self.entries())
        for entry_name, start, size in entries:
            if entry_name == name:
                break
        else:
            raise ValueError("no stream %r" % name)
        if size >= self.cutoff:
            pieces = [(self.offset(s), self.sector_size) for s in self.chain(start)]
        else:
            container = [self.offset(s) for s in self.chain(entries[0][1])]
            pieces = []
            for mini in self.chain(start, self.mini_fat):
                position = mini * self.mini_size
                sector, within = divmod(position, self.sector_size)
                pieces.append((container[sector] + within, self.mini_size))
        return [base + i for base, length in pieces for i in range(length)][:size]


def set_times(data, seconds):
    package = CompoundFile(bytes(data))
    where = package.file_offsets(SUMMARY)
    stream = bytes(package.data[at] for at in where)
    section = struct.unpack_from("<I", stream, 44)[0]
    count = struct.unpack_from("<I", stream, section + 4)[0]
    filetime = struct.pack("<Q", (seconds + 11644473600) * 10_000_000)
    found = set()
    for i in range(count):
        pid, offset = struct.unpack_from("<II", stream, section + 8 + 8 * i)
        if pid in (CREATED, LAST_SAVED):
            value = section + offset
            if struct.unpack_from("<I", stream, value)[0] != VT_FILETIME:
                raise ValueError("summary property %d is no FILETIME" % pid)
            for k, byte in enumerate(filetime):
                data[where[value + 4 + k]] = byte
            found.add(pid)
    if found != {CREATED, LAST_SAVED}:
        raise ValueError("the summary information lacks its times")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__.rsplit("\n", 1)[-1])
    with open(sys.argv[1], "rb") as package_file:
        contents = bytearray(package_file.read())
    set_times(contents, int(sys.argv[2]))
    with open(sys.argv[1], "wb") as package_file:
        package_file.write(contents)
