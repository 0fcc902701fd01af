#!/usr/bin/env python3
"""Reads duplicate groups from the output of jdupes (blank-line separated),
vantorim-cli dupes (the same) or rmlint's JSON (-o json) and prints them in one
canonical form: each group's paths sorted, groups sorted."""
import json
import sys

kind, path = sys.argv[1], sys.argv[2]
groups = []
if kind == "rmlint":
    by_digest = {}
    for item in json.load(open(path)):
        if item.get("type") == "duplicate_file":
            by_digest.setdefault(item["checksum"], []).append(item["path"])
    groups = list(by_digest.values())
else:
    current = []
    for line in open(path, encoding="utf-8", errors="surrogateescape"):
        line = line.rstrip("\n")
        if not line:
            if current:
                groups.append(current)
            current = []
        else:
            current.append(line)
    if current:
        groups.append(current)
for g in sorted(sorted(g) for g in groups if len(g) > 1):
    print("\t".join(g))
