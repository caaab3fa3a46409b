#!/usr/bin/env python3
"""Compares the conformance probe's host output with the Windows build's.

    compare.py WINDOWS_OUTPUT HOST_OUTPUT PORT_DIFFERENCES

Each output line is "<key>\t<value>". A key whose values differ, or that only one side has,
is a difference. It is a listed port difference when a pattern of the reviewed list
(fnmatch syntax, one per line, a tab, then the reason) matches its key; any other difference
fails the run. Prints the counts and the unlisted differences.
"""
import fnmatch
import sys


def read_output(path):
    values = {}
    order = []
    with open(path, "rb") as stream:
        for raw in stream:
            line = raw.decode("ascii", "backslashreplace").rstrip("\r\n")
            key, _, value = line.partition("\t")
            if key not in values:
                order.append(key)
            values[key] = value
    return values, order


def read_differences(path):
    listed = []
    with open(path, encoding="utf-8") as stream:
        for number, line in enumerate(stream, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            pattern, tab, reason = line.partition("\t")
            if not tab or not reason.strip():
                sys.exit(f"{path}:{number}: a listed difference needs a tab and its reason")
            listed.append((pattern, reason.strip()))
    return listed


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    windows, windows_order = read_output(sys.argv[1])
    host, host_order = read_output(sys.argv[2])
    listed = read_differences(sys.argv[3])

    keys = windows_order + [key for key in host_order if key not in windows]
    equal = 0
    listed_count = 0
    used = set()
    unlisted = []
    for key in keys:
        if windows.get(key) == host.get(key):
            equal += 1
            continue
        match = next((pattern for pattern, _ in listed if fnmatch.fnmatchcase(key, pattern)), None)
        if match is not None:
            listed_count += 1
            used.add(match)
        else:
            unlisted.append(key)

    for key in unlisted[:40]:
        print(f"DIFFERENT {key}")
        print(f"  windows: {windows.get(key, '(absent)')}")
        print(f"  host:    {host.get(key, '(absent)')}")
    if len(unlisted) > 40:
        print(f"... and {len(unlisted) - 40} more")
    for pattern, reason in listed:
        if pattern not in used:
            print(f"note: listed difference no longer seen: {pattern}")
    print(f"conformance: {len(keys)} inputs, {equal} equal, {listed_count} listed differences, "
          f"{len(unlisted)} unlisted differences")
    return 1 if unlisted or not keys else 0


if __name__ == "__main__":
    sys.exit(main())
