#!/usr/bin/env python3
"""Fails when a file of src/core includes a folder of a higher floor, or a
neighbour on its own floor. The floors are those of the README's developer
section, bottom first. The engine and the output share a floor and may use
each other: the engine lays the tubes out through the output's layout, and
the report names the correlations the engine used."""
import pathlib
import re
import sys

FLOORS = [
    ["fields"],
    ["files"],
    ["props", "tools", "help", "mainwin"],
    ["engine", "output"],
    ["app"],
]
NEIGHBOURS = {("engine", "output"), ("output", "engine")}
FLOOR = {folder: n for n, floor in enumerate(FLOORS) for folder in floor}
INCLUDE = re.compile(r'^\s*#\s*include\s*"core/([^/"]+)/')


def main(core: pathlib.Path) -> int:
    faults = []
    for path in sorted(core.rglob("*")):
        if not path.is_file() or path.suffix not in {".h", ".cpp", ".in"}:
            continue
        folder = path.relative_to(core).parts[0]
        if folder not in FLOOR:
            if len(path.relative_to(core).parts) > 1:
                faults.append(f"{path}: folder '{folder}' has no floor in the layer order")
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            m = INCLUDE.match(line)
            if not m or m.group(1) == folder or (folder, m.group(1)) in NEIGHBOURS:
                continue
            target = m.group(1)
            if target not in FLOOR:
                faults.append(f"{path}:{number}: includes '{target}/', which has no floor in the layer order")
            elif FLOOR[target] >= FLOOR[folder]:
                way = "up" if FLOOR[target] > FLOOR[folder] else "sideways"
                faults.append(f"{path}:{number}: {folder}/ includes {target}/ ({way}): {line.strip()}")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent / "src/core"))
