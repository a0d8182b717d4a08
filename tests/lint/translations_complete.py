#!/usr/bin/env python3
"""Every text the code reads through the translation system has a finished translation.

lupdate over src/ into a copy of each catalogue must leave the copy unchanged (a text added to
the code without its entry shows as a difference), no entry may be unfinished or empty, and each
translation carries the same %N markers as its source (a dropped %1 loses a network's name).

usage: translations_complete.py LUPDATE SRC_DIR CATALOGUE.ts...
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# The options the build's update_translations target runs lupdate with.
LUPDATE_OPTIONS = ["-tr-function-alias", "translate+=Tr", "-locations", "none", "-no-obsolete",
                   "-silent"]
MARKER = re.compile(r"%(\d)")


def sources(src):
    return sorted(str(p) for p in pathlib.Path(src).rglob("*") if p.suffix in (".cpp", ".h", ".ui"))


def refreshed(lupdate, src, catalogue, scratch):
    copy = pathlib.Path(scratch) / catalogue.name
    shutil.copyfile(catalogue, copy)
    listing = pathlib.Path(scratch) / "sources.lst"
    listing.write_text("\n".join(sources(src)) + "\n", encoding="utf-8")
    run = subprocess.run([lupdate, *LUPDATE_OPTIONS, "@" + str(listing), "-ts", str(copy)],
                         capture_output=True, text=True, check=False)
    if run.returncode != 0:
        return None, run.stderr
    return copy.read_text(encoding="utf-8"), ""


def messages(ts_text):
    root = ET.fromstring(ts_text)
    return {(c.findtext("name"), m.findtext("source") or "")
            for c in root.iter("context") for m in c.iter("message")}


def entry_problems(catalogue):
    problems = []
    for context in ET.parse(catalogue).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            where = f"{name}: {source!r}"
            if translation.get("type") in ("unfinished", "vanished", "obsolete"):
                problems.append(f"{where} is {translation.get('type')}")
                continue
            for text in forms:
                if not text.strip():
                    problems.append(f"{where} has an empty translation")
                elif sorted(set(MARKER.findall(text))) != sorted(set(MARKER.findall(source))):
                    problems.append(f"{where} -> {text!r}: the %N markers differ")
    return problems


def main(argv):
    if len(argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    lupdate, src, catalogues = argv[1], argv[2], [pathlib.Path(c) for c in argv[3:]]
    failed = False
    for catalogue in catalogues:
        with tempfile.TemporaryDirectory() as scratch:
            after, error = refreshed(lupdate, src, catalogue, scratch)
        if after is None:
            print(f"{catalogue.name}: lupdate failed: {error}")
            failed = True
            continue
        before = catalogue.read_text(encoding="utf-8")
        if after != before:
            failed = True
            print(f"{catalogue.name} is behind the code; run the update_translations target and "
                  "translate what it adds:")
            was, now = messages(before), messages(after)
            for context, source in sorted(now - was):
                print(f"  new in the code: {context}: {source!r}")
            for context, source in sorted(was - now):
                print(f"  no longer in the code: {context}: {source!r}")
        for problem in entry_problems(catalogue):
            failed = True
            print(f"{catalogue.name}: {problem}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
