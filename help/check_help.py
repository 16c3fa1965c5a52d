#!/usr/bin/env python3
"""Reads ravoFtp.chm back with chmls: every help context the library asks
for must name a page of the file, and the page must be the right topic.

    check_help.py CHM
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

# Context -> the title of the page it must open: the main window's Help
# without the file manager's own help (3) and the profile dialog's pages.
EXPECTED = {
    3: "Connecting and profiles",
    6: "The Connection Profile dialog",
    7: "Remote Access page",
    8: "General page",
    9: "WWW Site page",
    10: "Firewall page",
}


def chmls(*args, cwd=None):
    return subprocess.run(["chmls"] + list(args), cwd=cwd, stdout=subprocess.PIPE,
                          stderr=subprocess.STDOUT, text=True, errors="replace").stdout


def main(chm):
    chm = os.path.abspath(chm)
    failures = []
    with tempfile.TemporaryDirectory() as tmp:
        shutil.copy(chm, os.path.join(tmp, "help.chm"))
        chm = os.path.join(tmp, "help.chm")
        chmls("extractalias", "help.chm", cwd=tmp)  # writes help.ali and help.h beside it
        base = os.path.join(tmp, "help")
        if not os.path.exists(base + ".ali"):
            print("FAILED the file has no context map\n0 passed, 1 failed")
            return 1
        with open(base + ".ali") as f:
            aliases = dict(line.strip().split("=", 1) for line in f if "=" in line)
        with open(base + ".h") as f:
            numbers = {m.group(1): int(m.group(2)) for m in re.finditer(r"#define (\S+) (\d+)", f.read())}
        pages = {numbers[name]: page for name, page in aliases.items() if name in numbers}
        for context, title in sorted(EXPECTED.items()):
            page = pages.get(context)
            if page is None:
                failures.append("context %d: not in the map" % context)
                continue
            saved = os.path.join(tmp, "page%d.htm" % context)
            chmls("extract", chm, page, saved)
            text = open(saved, encoding="cp1252").read() if os.path.exists(saved) else ""
            found = re.search(r"<title>(.*?)</title>", text)
            if not found or found.group(1) != title:
                failures.append("context %d: %s is %r, not %r" % (context, page, found and found.group(1), title))
    for failure in failures:
        print("FAILED " + failure)
    print("%d passed, %d failed" % (len(EXPECTED) - len(failures), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]) if len(sys.argv) == 2 else __doc__)
