#!/usr/bin/env python3
"""Fails when a file includes a header of a library its target does not link.

Reads the include-boundaries.txt that CMake writes into the build folder: each target with its
sources and the libraries on its link line. A project header belongs to the library that lists it
among its sources, else to the programs that do; a Qt, libmpv or zlib header to that library.
A file may include the headers of its own target and of the libraries its target links, directly
or through the libraries it links (the link lines are public); Qt's modules bring the modules they
are built on.
Usage: check-includes.py SOURCE_DIR BUILD_DIR
"""
import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
QT_INCLUDE = Path("/usr/include/x86_64-linux-gnu/qt6")
QT_MODULES = {"QtCore": "Qt6::Core", "QtGui": "Qt6::Gui", "QtWidgets": "Qt6::Widgets", "QtSvg": "Qt6::Svg",
              "QtNetwork": "Qt6::Network", "QtTest": "Qt6::Test", "QtDBus": "Qt6::DBus"}
QT_BUILT_ON = {"Qt6::Gui": {"Qt6::Core"}, "Qt6::Widgets": {"Qt6::Gui", "Qt6::Core"},
               "Qt6::Svg": {"Qt6::Gui", "Qt6::Core"}, "Qt6::Network": {"Qt6::Core"},
               "Qt6::Test": {"Qt6::Core"}, "Qt6::DBus": {"Qt6::Core"}}
OTHER_LIBRARIES = {"mpv/": "PkgConfig::MPV", "zlib.h": "ZLIB::ZLIB"}


def read_targets(build_dir):
    targets = {}
    for line in (build_dir / "include-boundaries.txt").read_text().splitlines():
        name, kind, sources, links = line.split("\t")
        targets[name] = (kind, [Path(s).resolve() for s in sources.split(";") if s],
                         [link for link in links.split(";") if link])
    return targets


def owners_of_files(targets):
    """Each file's targets: the library that lists it, else every program that does (tests of one
    folder may share a header)."""
    owners = {}
    for name, (kind, sources, _) in targets.items():
        for source in sources:
            owners.setdefault(source, {}).setdefault(kind == "EXECUTABLE", set()).add(name)
    return {source: kinds.get(False) or kinds[True] for source, kinds in owners.items()}


def qt_library(header):
    module = header.split("/")[0]
    if module in QT_MODULES:
        return QT_MODULES[module]
    for module, library in QT_MODULES.items():
        if (QT_INCLUDE / module / header).exists():
            return library
    return None


def library_of_system_header(header):
    if header.startswith("Q"):
        return qt_library(header)
    for prefix, library in OTHER_LIBRARIES.items():
        if header.startswith(prefix):
            return library
    return None


def allowed_libraries(name, targets):
    allowed, waiting = set(), [name]
    while waiting:
        library = waiting.pop()
        if library in allowed:
            continue
        allowed.add(library)
        waiting += targets.get(library, (None, [], []))[2] + sorted(QT_BUILT_ON.get(library, set()))
    return allowed


def main():
    source_dir, build_dir = Path(sys.argv[1]).resolve(), Path(sys.argv[2]).resolve()
    if not (QT_INCLUDE / "QtCore").is_dir():
        sys.exit(f"no Qt headers in {QT_INCLUDE}: Qt includes could not be checked")
    targets = read_targets(build_dir)
    owners = owners_of_files(targets)
    faults = []
    for path, names in sorted(owners.items()):
        if source_dir not in path.parents or build_dir in path.parents:
            continue
        name = sorted(names)[0]  # a file several programs list is checked once
        allowed = allowed_libraries(name, targets)
        for kind, header in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if kind == '"':
                candidates = [path.parent / header, source_dir / header, source_dir / "tests" / header,
                              build_dir / "generated" / header]
                found = next((c.resolve() for c in candidates if c.is_file()), None)
                if found is None:
                    continue  # a moc output
                header_owners = owners.get(found)
                if header_owners is None:
                    faults.append(f"{path.relative_to(source_dir)}: {header} belongs to no target")
                    continue
            else:
                library = library_of_system_header(header)
                if library is None:
                    continue  # the C++ or C library, or the operating system
                header_owners = {library}
            if not header_owners & allowed:
                faults.append(f"{path.relative_to(source_dir)} ({name}): {header} is "
                              f"{' or '.join(sorted(header_owners))}'s, not linked")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
