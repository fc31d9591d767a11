#!/usr/bin/env python3
"""Fails when a source file includes against its layer's rule.

Each folder of src/ is one layer and may include only itself and the layers
it uses (the same rule as the libraries' links in CMakeLists.txt, which do not
see a header-only use). A win32/ folder may also include the win32/ folders of
those layers; no other file includes a win32/ header or <windows.h>.
"""
import pathlib
import re
import sys

USES = {
    "base": [],
    "model": ["base"],
    "engine": ["model", "base"],
    "files": ["model", "base"],
    "devices": ["engine", "files", "model", "base"],
    "ui": ["files", "model", "base"],
    "app": ["devices", "ui", "engine", "files", "model", "base"],
    "cli": ["app", "devices", "ui", "engine", "files", "model", "base"],
}
SYSTEM_HEADERS = re.compile(r"#\s*include\s*<(windows|winuser|dinput|xinput|shellapi|commctrl|objbase)\.h>", re.I)
PROJECT_INCLUDE = re.compile(r'#\s*include\s*"([^"]+)"')


def faults(root):
    src = root / "src"
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        parts = path.relative_to(src).parts
        layer, in_win32 = parts[0], "win32" in parts[1:-1]
        allowed = {layer, *USES[layer]}
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            where = f"{path.relative_to(root)}:{number}"
            if not in_win32 and SYSTEM_HEADERS.search(line):
                yield f"{where}: portable code includes a Windows header"
            match = PROJECT_INCLUDE.search(line)
            if not match:
                continue
            target = match.group(1).split("/")
            if target[0] not in USES:
                continue  # a file of the same folder, or generated
            if target[0] not in allowed:
                yield f"{where}: {layer} may not use {target[0]} ({match.group(1)})"
            elif "win32" in target[1:-1] and not in_win32:
                yield f"{where}: portable code includes {match.group(1)}"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[1])
    found = list(faults(root))
    for fault in found:
        print(fault)
    print(f"Layer check: {len(found)} includes against the rule" if found else "Layer check: every include keeps its layer's rule")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
