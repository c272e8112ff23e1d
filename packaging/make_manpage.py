# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a manual page from a program's --help, so that the two never drift.

The help is read as the programs print it: a "usage:" line, a paragraph
describing the program, sections headed "Name:" whose entries start two
spaces in (a term, then its description after two or more spaces or on the
lines below, indented further), and paragraphs between them, which all go
into DESCRIPTION. A paragraph starting "Exit status:" becomes the EXIT
STATUS section. A roff fragment of
sections the help does not have (FILES, SEE ALSO) is appended.

The page's date is that of the newest changelog entry, so that the same
sources give the same page whenever they are built.

usage: make_manpage.py --program PROG --summary TEXT --version V
                       --changelog CHANGELOG --binary PATH --extra FRAGMENT
                       -o OUT.1.gz
"""
import argparse
import email.utils
import gzip
import re
import subprocess
import sys


def roff_text(text):
    """Escapes text for roff: backslashes, minus signs, non-ASCII characters."""
    out = []
    for ch in text:
        if ch == "\\":
            out.append("\\e")
        elif ch == "-":
            out.append("\\-")
        elif ord(ch) > 127:
            out.append("\\[u%04X]" % ord(ch))
        else:
            out.append(ch)
    line = "".join(out)
    # A line starting with a dot or a quote would be read as a request.
    if line.startswith((".", "'")):
        line = "\\&" + line
    return line


def roff_term(term):
    """The first word of a term in bold (the command or option), the rest roman."""
    first, _, rest = term.partition(" ")
    return "\\fB" + roff_text(first) + "\\fR" + (" " + roff_text(rest) if rest else "")


def indent(line):
    return len(line) - len(line.lstrip(" "))


def parse(help_text):
    """Splits the help into the usage, paragraphs and sections of entries.

    Returns (usage, blocks): a block is ("para", text) or
    ("section", name, [(term_lines, description_lines)]).
    """
    lines = help_text.rstrip("\n").split("\n")
    if not lines or not lines[0].startswith("usage: "):
        raise ValueError("the help does not start with a usage line")
    usage = lines[0][len("usage: "):]
    blocks = []
    chunks, chunk = [], []
    for line in lines[1:]:
        if line.strip():
            chunk.append(line)
        elif chunk:
            chunks.append(chunk)
            chunk = []
    if chunk:
        chunks.append(chunk)
    for chunk in chunks:
        head = chunk[0]
        if re.fullmatch(r"[A-Z][A-Za-z ]*:", head) and len(chunk) > 1 and indent(chunk[1]) == 2:
            blocks.append(("section", head[:-1], parse_entries(chunk[1:])))
        else:
            blocks.append(("para", " ".join(line.strip() for line in chunk)))
    return usage, blocks


def parse_entries(lines):
    # Descriptions start in one column per section: the least indentation of
    # the lines that are not entries. Lines indented further before any
    # description continue the term (a long synopsis).
    body = [indent(line) for line in lines if indent(line) > 2]
    column = min(body) if body else 0
    entries = []
    for line in lines:
        if indent(line) == 2:
            parts = re.split(r" {2,}", line.strip(), maxsplit=1)
            entries.append(([parts[0]], parts[1:]))
        elif not entries:
            raise ValueError("a section starts with an indented line: " + line)
        elif not entries[-1][1] and indent(line) > column:
            entries[-1][0].append(line.strip())
        else:
            entries[-1][1].append(line.strip())
    return entries


def changelog_date(text):
    """The date of the newest entry of a Debian changelog, as YYYY-MM-DD."""
    for line in text.splitlines():
        if line.startswith(" -- "):
            stamp = line.split(">", 1)[1].strip() if ">" in line else ""
            try:
                return email.utils.parsedate_to_datetime(stamp).strftime("%Y-%m-%d")
            except (TypeError, ValueError):
                raise ValueError("the changelog's trailer has no date: " + line.strip())
    raise ValueError("the changelog has no trailer line")


def manpage(program, summary, version, date, help_text, extra):
    usage, blocks = parse(help_text)
    out = [
        '.TH %s 1 %s "%s %s" "User Commands"' % (program.upper(), date, program, version),
        ".SH NAME",
        "%s \\- %s" % (roff_text(program), roff_text(summary)),
        ".SH SYNOPSIS",
    ]
    for i, form in enumerate(usage.split(" | ")):
        if i:
            out.append(".br")
        out.append(roff_term(form if form.startswith(program) else program + " " + form))
    # Every paragraph describes the program; the sections follow it.
    out.append(".SH DESCRIPTION")
    exit_status = None
    for block in blocks:
        if block[0] != "para":
            continue
        text = block[1]
        if text.startswith("Exit status:"):
            exit_status = text[len("Exit status:"):].strip()
            continue
        out.append(".PP")
        out.append(roff_text(text))
    for block in blocks:
        if block[0] != "section":
            continue
        _, name, entries = block
        out.append(".SH " + roff_text(name.upper()))
        for terms, description in entries:
            out.append(".TP")
            out.append(roff_term(" ".join(terms)))
            out.extend(roff_text(line) for line in description)
    if exit_status:
        out.append(".SH EXIT STATUS")
        out.append(roff_text(exit_status[0].upper() + exit_status[1:]))
    out.append(extra.rstrip("\n"))
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--summary", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--changelog", required=True)
    parser.add_argument("--binary", required=True, help="the program, run with --help")
    parser.add_argument("--extra", required=True)
    parser.add_argument("-o", dest="output", required=True)
    args = parser.parse_args()
    run = subprocess.run([args.binary, "--help"], capture_output=True, check=False)
    if run.returncode != 0:
        sys.exit("make_manpage.py: %s --help: exit status %d" % (args.binary, run.returncode))
    help_text = run.stdout.decode("utf-8")
    with open(args.extra, encoding="utf-8") as f:
        extra = "".join(line for line in f if not line.startswith('.\\"'))
    with open(args.changelog, encoding="utf-8") as f:
        changelog = f.read()
    try:
        date = changelog_date(changelog)
        page = manpage(args.program, args.summary, args.version, date, help_text, extra)
    except ValueError as error:
        sys.exit("make_manpage.py: %s --help: %s" % (args.binary, error))
    # No name and no time in the gzip header: the same help gives the same bytes.
    with open(args.output, "wb") as f:
        f.write(gzip.compress(page.encode("ascii"), compresslevel=9, mtime=0))


if __name__ == "__main__":
    main()
