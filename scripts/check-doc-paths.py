#!/usr/bin/env python3
"""Fails when a page of docs/ names a file of the tree that does not exist (a file renamed or
removed since the page was written).

A name in backquotes counts as a path when it has a folder ("player/Form1.cpp", "frame/") or ends
in a source extension ("Form1.cpp"); a path with a folder must exist from the tree's root, a bare
file name somewhere in the tree.
Usage: check-doc-paths.py SOURCE_DIR
"""
import re
import sys
from pathlib import Path

QUOTED = re.compile(r"`([^`\s]+)`")
EXTENSIONS = (".cpp", ".h", ".sh", ".py", ".cmake", ".txt", ".md", ".lua", ".svg", ".in", ".supp")
SKIPPED_FOLDERS = {".git"}


def tree_files(root):
    names = set()
    for path in root.rglob("*"):
        parts = path.relative_to(root).parts
        if parts[0].startswith("build") or SKIPPED_FOLDERS & set(parts):
            continue
        names.add(path.name)
    return names


def main():
    root = Path(sys.argv[1]).resolve()
    names = tree_files(root)
    missing = []
    for page in sorted((root / "docs").glob("*.md")):
        for number, line in enumerate(page.read_text(encoding="utf-8").splitlines(), 1):
            for name in QUOTED.findall(line):
                name = name.rstrip(".,;:")
                if "/" in name and not name.startswith(("http", "/", "-", "$", "~")) and "*" not in name:
                    if not (root / name).exists():
                        missing.append(f"{page.relative_to(root)}:{number}: {name}")
                elif name.endswith(EXTENSIONS) and "/" not in name and name not in names:
                    missing.append(f"{page.relative_to(root)}:{number}: {name}")
    for entry in missing:
        print(entry)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
