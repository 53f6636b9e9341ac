#!/usr/bin/python3
"""Deviation of the humid-air tools from IAPWS reference values.

Saturation pressure: the tools' correlation against IAPWS-IF97 (region 4).
Humidity ratio at saturation (dew point = t): what the saturation tool writes
into HD, through the command-line program, against the ideal-mixture value
Mw/Ma * ps / (P - ps) with the IF97 saturation pressure and the molar masses
of IAPWS (water 18.015268, dry air 28.96546 g/mol). Neither side includes the
enhancement factor of real moist air (about 1.004 to 1.006 near 1 bar).

Usage: /usr/bin/python3 humid_air_deviation.py PATH/TO/tharvex-cli > table.md
Needs the python3-iapws package.
"""
import json
import math
import subprocess
import sys

from iapws.iapws97 import _PSat_T

MOLAR_RATIO = 18.015268 / 28.96546


def tool_ps(t):
    return math.exp(23.1962 - 3816.44 / (t + 227.02))


def tool_h(cli, p, t):
    out = subprocess.run([cli, "--set", f"PD={p}", "--set", f"tD={t}", "--dump"],
                         capture_output=True, text=True, check=True).stdout
    d = json.loads(out)
    text = d["controls"]["HD"]["text"]
    return float(text) if text else None


def ref_h(p, ps):
    return MOLAR_RATIO * ps / (p - ps) if ps < p else None


def pct(a, b):
    return f"{(a - b) / b * 100:+.2f}" if a is not None and b is not None else "—"


def fmt(x, spec):
    return format(x, spec) if x is not None else "—"


def main():
    cli = sys.argv[1]
    print("| t (°C) | ps tool (Pa) | ps IAPWS-IF97 (Pa) | dev. ps (%) "
          "| H tool, 101.325 kPa | H ref., 101.325 kPa | dev. H (%) "
          "| H tool, 500 kPa | H ref., 500 kPa | dev. H (%) |")
    print("|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|")
    for t in range(0, 151, 10):
        ps_ref = _PSat_T(t + 273.15) * 1e6
        ps_tool = tool_ps(t)
        row = [str(t), f"{ps_tool:.1f}", f"{ps_ref:.1f}", pct(ps_tool, ps_ref)]
        for p in (101325, 500000):
            h_tool = tool_h(cli, p, t)
            h_ref = ref_h(p, ps_ref)
            row += [fmt(h_tool, ".6g"), fmt(h_ref, ".6g"), pct(h_tool, h_ref)]
        print("| " + " | ".join(row) + " |")


if __name__ == "__main__":
    main()
