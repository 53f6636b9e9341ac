#!/usr/bin/env python3
"""Types the README's quick start through the driver, as a new user would type
it into a fresh window, and checks the results the README states.

The steps are read from the README itself: every table row of the section
"## Quick start" whose last cell names a control in backticks. Rows under a
"Type" header are typed (a list takes the item whose text is given), a row
naming a driver action (`--optimise`) runs it, rows under a "Shows" header
are the results, checked to the digits the README gives.

Usage: readme_quick_start.py THARVEX_CLI README.md
"""
import json
import subprocess
import sys


def quick_start_rows(readme):
    lines = readme.splitlines()
    start = next(i for i, l in enumerate(lines) if l.startswith("## Quick start"))
    end = next((i for i in range(start + 1, len(lines)) if lines[i].startswith("## ")), len(lines))
    mode = None
    for line in lines[start:end]:
        if not line.startswith("|"):
            continue
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) < 4 or set(cells[0]) <= set("-: "):
            continue
        if cells[1] in ("Type", "Shows"):
            mode = cells[1]
            continue
        name = cells[-1].strip("`")
        if name:
            yield mode, name, cells[1]


def run(cli, args):
    r = subprocess.run([cli] + args, capture_output=True, text=True)
    if r.returncode != 0:
        sys.exit(f"tharvex-cli {' '.join(args)}\nexit status {r.returncode}: {r.stderr}")
    return r.stdout


def tolerance(stated):
    # Half a unit of the last digit the README gives.
    decimals = len(stated.split(".")[1]) if "." in stated else 0
    return 0.5 * 10 ** -decimals


def main():
    cli, readme_path = sys.argv[1], sys.argv[2]
    readme = open(readme_path, encoding="utf-8").read()
    controls = {c["name"]: c for c in json.loads(run(cli, ["--list-controls-json"]))}

    actions, expected = [], []
    for mode, name, value in quick_start_rows(readme):
        if name.startswith("--"):
            actions.append(name)
        elif mode == "Type":
            kind = controls[name]["kind"]
            if kind == "TComboBox":
                items = [i.split("|")[0].strip() for i in controls[name]["items"]]
                actions += ["--select", f"{name}={items.index(value)}"]
            elif kind == "TCheckBox":
                actions += ["--check", f"{name}={value}"]
            else:
                actions += ["--set", f"{name}={value}"]
        elif mode == "Shows":
            expected.append((name, value))
    failures = []
    if "--optimise" not in actions or len(expected) < 10:
        failures.append(f"the quick start was not found: {len(actions)} actions, {len(expected)} results")

    state = json.loads(run(cli, actions + ["--dump"]))
    shown = state["controls"]
    # What the README says the window already holds, and what the status bar says.
    if shown["CalTypeD"]["itemIndex"] != 0 or shown["CsrD"]["text"] != "10":
        failures.append("the default window is no longer a design case with 富余度≥ 10")
    if state["messages"]:
        failures.append(f"message boxes: {state['messages']}")
    if state["status"][1] != "优化设计成功！" or "“优化设计成功！”" not in readme:
        failures.append(f"status bar: {state['status'][1]!r}")
    for name, stated in expected:
        text = shown[name].get("display") or shown[name]["text"]
        if abs(float(text) - float(stated)) > tolerance(stated):
            failures.append(f"{name}: the README says {stated}, the window shows {text}")
    for f in failures:
        print("FAIL", f)
    if not failures:
        print(f"quick start: {len(actions)} arguments typed, {len(expected)} results as stated")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
