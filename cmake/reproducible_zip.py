#!/usr/bin/env python3
"""Rewrites a ZIP in place so that it holds nothing but the names and bytes of its entries.

   reproducible_zip.py EPOCH ZIP

The archiver records each file's times (access and change times too), its owner and the order
the folders were read in; the rewrite keeps the entries and their contents, sorted by name, each
dated EPOCH (UTC), owned by no one, with mode 755 for folders and programs and 644 else.
"""
import os
import sys
import time
import zipfile

# What a ZIP's DOS date can hold.
EARLIEST = (1980, 1, 1, 0, 0, 0)
UNIX = 3
FOLDER_TYPE = 0o040000
FILE_TYPE = 0o100000
MS_DOS_FOLDER = 0x10


def rewrite(epoch, path):
    date_time = max(tuple(time.gmtime(epoch)[:6]), EARLIEST)
    partial = path + ".partial"
    with zipfile.ZipFile(path) as source, zipfile.ZipFile(partial, "w") as target:
        for entry in sorted(source.infolist(), key=lambda e: e.filename):
            info = zipfile.ZipInfo(entry.filename, date_time)
            info.create_system = UNIX
            if entry.is_dir():
                info.external_attr = (FOLDER_TYPE | 0o755) << 16 | MS_DOS_FOLDER
                info.compress_type = zipfile.ZIP_STORED
                target.writestr(info, b"")
                continue
            executable = (entry.external_attr >> 16) & 0o111
            info.external_attr = (FILE_TYPE | (0o755 if executable else 0o644)) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            target.writestr(info, source.read(entry), compresslevel=9)
    os.replace(partial, path)


def main():
    if len(sys.argv) != 3 or not sys.argv[1].isdigit():
        sys.exit("usage: reproducible_zip.py EPOCH ZIP")
    rewrite(int(sys.argv[1]), sys.argv[2])


if __name__ == "__main__":
    main()
