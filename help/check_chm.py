#!/usr/bin/env python3
"""Checks the help project and the compiled faximport.chm.

Usage, from this folder after "chmcmd faximport.hhp":
    python3 check_chm.py [faximport.chm]

1. Every file named in [FILES] of faximport.hhp and every page named in
   faximport.hhc and faximport.hhk exists (chmcmd does not fail for all of
   them).
2. The compiled file holds the context map: its internal file #IVB lists
   every IDH_ number of help_ids.h, each pointing (through #STRINGS) to the
   page that [ALIAS] names. The files are read with "chmls extract".

Exit status 0 when both hold, 1 otherwise. A topic stored as a longer path
than the page's name is reported as a warning (see WARNING below).
"""
import os
import re
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def read_sections(path):
    sections, current = {}, None
    with open(path, encoding="latin-1") as f:
        for raw in f:
            line = raw.strip()
            if not line or line.startswith(";"):
                continue
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1].upper(), [])
            elif current is not None:
                current.append(line)
    return sections


def sitemap_locals(path):
    with open(path, encoding="latin-1") as f:
        text = f.read()
    return re.findall(r'<param\s+name="Local"\s+value="([^"#]*)', text, re.I)


def extract(chm, name, folder):
    target = os.path.join(folder, name.strip("/#$").replace("/", "_"))
    subprocess.run(["chmls", "extract", chm, name, target], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, check=False)
    if not os.path.exists(target):
        return None
    with open(target, "rb") as f:
        return f.read()


def main():
    chm = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "faximport.chm"))
    os.chdir(HERE)
    failures = []
    project = read_sections("faximport.hhp")
    options = dict(line.split("=", 1) for line in project.get("OPTIONS", []))

    named = list(project.get("FILES", []))
    for key in ("Contents file", "Index file"):
        if key in options:
            named.append(options[key])
            named += sitemap_locals(options[key]) if os.path.exists(options[key]) else []
    for name in sorted(set(named)):
        if not os.path.isfile(name):
            failures.append("missing file: %s" % name)

    ids = {}
    if os.path.isfile("help_ids.h"):
        with open("help_ids.h", encoding="latin-1") as f:
            for m in re.finditer(r"^#define (IDH_\w+) (\d+)$", f.read(), re.M):
                ids[m.group(1)] = int(m.group(2))
    if not ids:
        failures.append("no IDH_ numbers read from help_ids.h")
    aliases = dict(line.split("=", 1) for line in project.get("ALIAS", []))

    with tempfile.TemporaryDirectory() as folder:
        ivb = extract(chm, "/#IVB", folder)
        strings = extract(chm, "/#STRINGS", folder)
    if not ivb or strings is None:
        failures.append("%s has no #IVB/#STRINGS: no context map" % chm)
        ivb = b"\0\0\0\0"
    size = struct.unpack_from("<I", ivb, 0)[0]
    stored = {}
    for at in range(4, 4 + size, 8):
        number, offset = struct.unpack_from("<II", ivb, at)
        stored[number] = strings[offset:strings.index(b"\0", offset)].decode("latin-1")

    for name, number in sorted(ids.items(), key=lambda item: item[1]):
        page = aliases.get(name)
        topic = stored.get(number)
        print("%-26s %5d -> %s" % (name, number, topic))
        if topic is None:
            failures.append("%s (%d) is not in the map" % (name, number))
        elif page is None or not (topic == page or topic.endswith("/" + page)):
            failures.append("%s (%d) points to %s, not %s" % (name, number, topic, page))
        elif topic != page:
            print("WARNING: stored as a build path, not as %s: HH_HELP_CONTEXT will not find it" % page)

    for failure in failures:
        print("FAILED: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
