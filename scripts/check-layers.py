#!/usr/bin/env python3
"""The folders of src/ are layers: a file includes only from its own folder
and from the folders below it. Prints every include that reaches up or
sideways, and fails when there is one.

    scripts/check-layers.py [src-folder]
"""
import os
import re
import sys

# Lowest first; folders on one line sit side by side and include neither
# the other.
LAYERS = [
    ("base", "words"),
    ("ui",),
    ("lang",),
    ("exercise", "frame"),
    ("app",),
]
LEVEL = {folder: level for level, folders in enumerate(LAYERS) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def included_folder(src, including_file, path):
    """The folder of src/ that an include names, or None for a file of the
    including file's own folder."""
    if path.startswith("."):
        resolved = os.path.normpath(os.path.join(os.path.dirname(including_file), path))
        return os.path.relpath(resolved, src).split(os.sep)[0]
    if "/" not in path:
        return None
    return path.split("/")[0]


def offences(src):
    found = []
    for folder in sorted(os.listdir(src)):
        top = os.path.join(src, folder)
        if not os.path.isdir(top):
            continue
        if folder not in LEVEL:
            found.append(f"{top}: a folder of no layer (add it to LAYERS in {sys.argv[0]})")
            continue
        for root, _, files in os.walk(top):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(root, name)
                with open(path, encoding="utf-8") as source:
                    for number, line in enumerate(source, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        target = included_folder(src, path, match.group(1))
                        if target is None or target == folder:
                            continue
                        if target not in LEVEL or LEVEL[target] >= LEVEL[folder]:
                            found.append(f"{path}:{number}: {folder} includes {target}: {line.strip()}")
    return found


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src")
    found = offences(os.path.normpath(src))
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} include(s) against the layers, lowest first: "
              + " < ".join("/".join(folders) for folders in LAYERS))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
