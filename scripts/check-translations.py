#!/usr/bin/env python3
"""Checks translators' sources (Qt .ts files): every message translated, none vanished, and each
translation keeps its source's placeholders (%1..%9, %n), line breaks and menu mnemonic.
Usage: scripts/check-translations.py FILE.ts..."""
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:[1-9]|n)")


def problems(path):
    found = []
    for ctx in ET.parse(path).getroot().iter("context"):
        name = ctx.find("name").text
        for m in ctx.iter("message"):
            src = m.find("source").text or ""
            tr = m.find("translation")
            forms = [f.text or "" for f in tr.findall("numerusform")] or [tr.text or ""]
            kind = tr.get("type")
            if kind in ("unfinished", "vanished", "obsolete") or any(src.strip() and not f.strip() for f in forms):
                found.append(f"{kind or 'empty'}: {name}: {src!r}")
                continue
            for f in forms:
                if sorted(set(PLACEHOLDER.findall(src))) != sorted(set(PLACEHOLDER.findall(f))):
                    found.append(f"placeholders: {name}: {src!r} -> {f!r}")
                if any(src.count(brk) != f.count(brk) for brk in ("\r", "\n")):
                    found.append(f"line breaks: {name}: {src!r} -> {f!r}")
                if re.search(r"&\w", src) and not re.search(r"&\w", f):
                    found.append(f"mnemonic: {name}: {src!r} -> {f!r}")
    return found


def main(paths):
    failed = False
    for path in paths:
        found = problems(path)
        for line in found:
            print(f"{path}: {line}")
        failed = failed or bool(found)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
