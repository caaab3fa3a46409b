#!/usr/bin/env python3
"""Compares the conformance probe's host output with the Windows build's.

    compare.py WINDOWS_OUTPUT HOST_OUTPUT PORT_DIFFERENCES

Each output line is "<key>\t<value>"; a key that comes again is numbered ("<key>#2").
A key whose values differ, or that only one side has, is a difference. It is a listed port
difference when a pattern of the reviewed list (fnmatch syntax, one per line, a tab, then the
reason) matches its key; any other difference fails the run. Prints the counts, the first
unlisted differences and their number per family.
"""
import collections
import fnmatch
import sys


def read_output(path):
    values = {}
    order = []
    with open(path, "rb") as stream:
        for raw in stream:
            line = raw.decode("ascii", "backslashreplace").rstrip("\r\n")
            key, _, value = line.partition("\t")
            # A call repeated on purpose (the second of two makes) keeps its own key.
            repeat = 1
            unique = key
            while unique in values:
                repeat += 1
                unique = f"{key}#{repeat}"
            order.append(unique)
            values[unique] = value
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


def Excerpts(windows_value, host_value, width=160):
    """The two values from a little before their first difference; a value of many
    "|"-separated fields is shown from the field that differs first, with its index."""
    if windows_value is None or host_value is None:
        return windows_value or "(absent)", host_value or "(absent)"
    windows_fields = windows_value.split("|")
    host_fields = host_value.split("|")
    if len(windows_fields) > 1 and len(windows_fields) == len(host_fields):
        first = next(i for i, pair in enumerate(zip(windows_fields, host_fields))
                     if pair[0] != pair[1])
        return (f"[{first:X}] " + "|".join(windows_fields[first:])[:width],
                f"[{first:X}] " + "|".join(host_fields[first:])[:width])
    start = next((i for i, pair in enumerate(zip(windows_value, host_value))
                  if pair[0] != pair[1]), min(len(windows_value), len(host_value)))
    start = max(0, start - 40)
    prefix = "..." if start else ""
    return prefix + windows_value[start:start + width], prefix + host_value[start:start + width]


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
        windows_value, host_value = Excerpts(windows.get(key), host.get(key))
        print(f"DIFFERENT {key}")
        print(f"  windows: {windows_value}")
        print(f"  host:    {host_value}")
    if len(unlisted) > 40:
        print(f"... and {len(unlisted) - 40} more")
    groups = collections.Counter(".".join(key.split(".")[:2]) for key in unlisted)
    for group, count in sorted(groups.items()):
        print(f"unlisted: {count:6d} {group}")
    for pattern, reason in listed:
        if pattern not in used:
            print(f"note: listed difference no longer seen: {pattern}")
    print(f"conformance: {len(keys)} inputs, {equal} equal, {listed_count} listed differences, "
          f"{len(unlisted)} unlisted differences")
    return 1 if unlisted or not keys else 0


if __name__ == "__main__":
    sys.exit(main())
