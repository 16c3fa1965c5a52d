#!/usr/bin/env python3
"""Builds the help file ravoFtp.chm from the user guide (docs/user-guide.md).

The guide is split into topics at its marker comments

    <!-- topic: NAME [CONTEXT...] -->

each giving the topic's page NAME.htm and the help context numbers that open
it. The text before the first marker speaks about the guide itself and is
left out. The pages, a table of contents and the project with its context
numbers are written to a work folder, and Free Pascal's chmcmd compiles them.

    make_help.py GUIDE WORK_DIR OUTPUT_CHM
"""
import html
import os
import re
import shutil
import subprocess
import sys

MARKER = re.compile(r"^<!-- topic: ([a-z0-9-]+)((?: \d+)*) -->$")
IMAGE = re.compile(r"^!\[([^\]]*)\]\(([^)]+)\)$")


def inline(text):
    """Markdown's inline forms used by the guide: code, bold, italics, links."""
    parts = re.split(r"(`[^`]+`)", text)
    out = []
    for part in parts:
        if part.startswith("`") and part.endswith("`") and len(part) > 1:
            out.append("<code>%s</code>" % html.escape(part[1:-1]))
            continue
        part = html.escape(part, quote=False)
        part = re.sub(r"\*\*([^*]+)\*\*", r"<b>\1</b>", part)
        part = re.sub(r"\*([^*]+)\*", r"<i>\1</i>", part)
        part = re.sub(r"\[([^\]]+)\]\(([^)]+)\)", r'<a href="\2">\1</a>', part)
        out.append(part)
    return "".join(out)


def blocks(lines):
    """Groups lines into (kind, lines) blocks: heading, list, table, image, code, para."""
    block, kind = [], None
    for line in lines + [""]:
        starts_item = re.match(r"^(- |\d+\. )", line)
        if not line.strip():
            if block:
                yield kind, block
            block, kind = [], None
        elif line.startswith("#"):
            if block:
                yield kind, block
            yield "heading", [line]
            block, kind = [], None
        elif kind is None:
            kind = "list" if starts_item else "table" if line.startswith("|") else \
                "image" if IMAGE.match(line) else "code" if line.startswith("    ") else "para"
            block = [line]
        elif kind == "list" and starts_item:
            block.append(line)
        elif kind in ("list", "para"):  # a wrapped line of the item or paragraph
            block[-1] += " " + line.strip()
        else:
            block.append(line)


def to_html(lines):
    out = []
    for kind, block in blocks(lines):
        if kind == "heading":
            level = len(block[0]) - len(block[0].lstrip("#"))
            out.append("<h%d>%s</h%d>" % (level, inline(block[0].lstrip("# ")), level))
        elif kind == "image":
            alt, src = IMAGE.match(block[0]).groups()
            out.append('<p><img src="%s" alt="%s"></p>' % (html.escape(src), html.escape(alt)))
        elif kind == "list":
            tag = "ol" if block[0][0].isdigit() else "ul"
            items = ["<li>%s</li>" % inline(re.sub(r"^(- |\d+\. )", "", item)) for item in block]
            out.append("<%s>\n%s\n</%s>" % (tag, "\n".join(items), tag))
        elif kind == "code":  # lines indented by four blanks, shown as they are
            out.append("<pre>%s</pre>" % html.escape("\n".join(line[4:] for line in block)))
        elif kind == "table":
            rows = [[c.strip() for c in row.strip("|").split("|")] for row in block if not row.startswith("|---")]
            head = "".join("<th>%s</th>" % inline(c) for c in rows[0])
            body = "".join("<tr>%s</tr>\n" % "".join("<td>%s</td>" % inline(c) for c in r) for r in rows[1:])
            out.append("<table border=\"1\" cellpadding=\"3\">\n<tr>%s</tr>\n%s</table>" % (head, body))
        else:
            out.append("<p>%s</p>" % inline(" ".join(block)))
    return "\n".join(out)


def split_topics(text):
    """[(name, contexts, title, level, lines)] in the guide's order."""
    topics = []
    for line in text.splitlines():
        marker = MARKER.match(line)
        if marker:
            topics.append([marker.group(1), [int(c) for c in marker.group(2).split()], None, 2, []])
        elif topics:
            topic = topics[-1]
            if topic[2] is None and line.startswith("#"):
                topic[3] = len(line) - len(line.lstrip("#"))
                topic[2] = line.lstrip("# ").strip()
            topic[4].append(line)
    return topics


PAGE = """<html><head><meta http-equiv="Content-Type" content="text/html; charset=windows-1252">
<title>{title}</title>
<style>body {{ font-family: Tahoma, sans-serif; font-size: 10pt }} code {{ font-family: Consolas, monospace }}</style>
</head><body>
{body}
</body></html>
"""


def write_text(path, text):
    with open(path, "w", encoding="cp1252", errors="replace", newline="\r\n") as f:
        f.write(text)


def toc(topics):
    """The contents: second-level topics, third-level ones nested under them."""
    entry = '<li><object type="text/sitemap"><param name="Name" value="%s"><param name="Local" value="%s.htm"></object>'
    out, nested = ["<html><body><ul>"], False
    for name, _, title, level, _ in topics:
        if level > 2 and not nested:
            out.append("<ul>")
            nested = True
        elif level <= 2 and nested:
            out.append("</ul>")
            nested = False
        out.append(entry % (html.escape(title), name))
    out.append("</ul>" if nested else "")
    out.append("</ul></body></html>")
    return "\n".join(out) + "\n"


def project(topics):
    """chmcmd's project: the pages, with the context numbers that open them."""
    files = []
    for name, contexts, _, _, _ in topics:
        for context in contexts or [0]:
            files.append('<FileName%d Value="%s.htm" ContextName="%s" ContextNumber="%d"/>'
                         % (len(files), name, "IDH_%d" % context if context else "", context))
    return ('<?xml version="1.0" encoding="utf-8"?>\n<CONFIG>\n  <Files>\n    <Count Value="%d"/>\n    %s\n'
            '  </Files>\n  <Settings>\n    <TOCFile Value="toc.hhc"/>\n    <MakeBinaryTOC Value="False"/>\n'
            '    <MakeBinaryIndex Value="False"/>\n    <DefaultPage Value="%s.htm"/>\n'
            '    <Title Value="FTP Quill Help"/>\n    <OutputFileName Value="ravoFtp.chm"/>\n'
            '    <ScanHtmlContents Value="True"/>\n    <LocaleID Value="1033"/>\n  </Settings>\n</CONFIG>\n'
            % (len(files), "\n    ".join(files), topics[0][0]))


def compile_in_jail(work):
    """Runs chmcmd with the work folder as its root folder.

    chmcmd stores each page under its path in the project but writes the
    context map as the project's folder followed by that path: only when the
    project lies in "/" do the two agree, so the help viewer finds the page
    a context names. chmcmd and the libraries it loads are copied in, and it
    runs under chroot (as root, or as root of a user namespace otherwise).
    """
    chmcmd = os.path.realpath(shutil.which("chmcmd") or sys.exit("make_help: chmcmd is missing (fp-utils)"))
    shutil.copy(chmcmd, os.path.join(work, "chmcmd"))
    libs = re.findall(r"(/\S+\.so[.\d]*) \(0x", subprocess.run(["ldd", chmcmd], stdout=subprocess.PIPE,
                                                              text=True).stdout)
    libc_dir = os.path.dirname(next(lib for lib in libs if "/libc.so" in lib))
    libs += [os.path.join(libc_dir, extra) for extra in ("libpthread.so.0", "libdl.so.2")]  # loaded at run time
    for lib in libs:
        if os.path.exists(lib):
            target = os.path.join(work, lib.lstrip("/"))
            os.makedirs(os.path.dirname(target), exist_ok=True)
            shutil.copy(lib, target)
    jail = ["chroot", work, "/chmcmd", "/ravoFtp.xml"]
    result = None
    for command in ([jail] if os.geteuid() == 0 else []) + [["unshare", "-r"] + jail]:
        result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if result.returncode == 0:
            break
    return result


def main(guide, work, output):
    with open(guide, encoding="utf-8") as f:
        topics = split_topics(f.read())
    if os.path.isdir(work):
        shutil.rmtree(work)
    os.makedirs(os.path.join(work, "images"))
    guide_dir = os.path.dirname(os.path.abspath(guide))
    for name, _, title, _, lines in topics:
        write_text(os.path.join(work, name + ".htm"), PAGE.format(title=html.escape(title), body=to_html(lines)))
        for line in lines:
            image = IMAGE.match(line)
            if image:
                shutil.copy(os.path.join(guide_dir, image.group(2)), os.path.join(work, image.group(2)))
    write_text(os.path.join(work, "toc.hhc"), toc(topics))
    write_text(os.path.join(work, "ravoFtp.xml"), project(topics))
    result = compile_in_jail(work)
    built = os.path.join(work, "ravoFtp.chm")
    if result.returncode != 0 or not os.path.isfile(built):
        sys.stderr.write(result.stdout)
        sys.exit("make_help: chmcmd failed")
    shutil.copy(built, output)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
