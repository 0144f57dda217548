# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads korain-cli's DXF with ezdxf and holds its dimension chains against the
arrangement as korain-cli dump gives it: one text of the DIMENSIONS layer per
run of equal spacings ("18 × 800 = 14 400"), level under the bulkhead and
upright beside it, with the chains' lines. A drawing is issued with its chains:
there by default, gone when --show leaves them out.

usage: check_dxf_dimensions.py KORAIN_CLI DATABASE BLOCK OUTPUT.dxf
"""
import itertools
import json
import math
import re
import subprocess
import sys

import ezdxf


def fail(text):
    sys.exit(f"{sys.argv[4]}: {text}")


def chain_texts(marks, low, high):
    """The texts of the chain through the marks within [low, high], in millimetres."""
    mm = lambda metres: math.floor(metres * 1000 + 0.5)
    within = [mm(m) for m in marks if math.isfinite(m) and low <= m <= high]
    if not within or mm(low) >= mm(high):
        return []
    stations = sorted(set(within) | {mm(low), mm(high)} | ({0} if low < 0 < high else set()))
    grouped = lambda value: f"{value:,}".replace(",", " ")
    texts = []
    for spacing, run in itertools.groupby(b - a for a, b in zip(stations, stations[1:])):
        n = len(list(run))
        texts.append(grouped(spacing) if n == 1 else
                     f"{n} \u00d7 {grouped(spacing)} = {grouped(n * spacing)}")
    return texts


def expected_texts(bulkhead):
    """The texts (under the bulkhead, beside it)."""
    c = bulkhead["computed"]
    stiffeners = [s["Position"] for s in bulkhead["Stiffeners"]]
    levels = [m["computed"]["Placed"] for m in bulkhead["PrimaryMembers"] if m["HV"] == 0]
    levels += [bulkhead[f"Stool{k}Z"] for k in (1, 2) if bulkhead[f"Stool{k}Enabled"]]
    levels += [band["Z"] for band in bulkhead["StrakeBands"]]
    beside = chain_texts(levels, c["ZMin"], c["ZMax"])
    if bulkhead["stfHV"] == 1:
        return chain_texts(stiffeners, c["YMin"], c["YMax"]), beside
    return [], chain_texts(stiffeners, c["ZMin"], c["ZMax"]) + beside


def dimensions(cli, database, block, output, *show):
    subprocess.run([cli, "draw", database, block, "-o", output, *show], check=True)
    return ezdxf.readfile(output).modelspace().query("*[layer=='DIMENSIONS']")


def main():
    cli, database, block, output = sys.argv[1:5]
    dump = subprocess.run([cli, "dump", database, block], check=True, capture_output=True,
                          text=True).stdout
    under, beside = [], []
    for bulkhead in json.loads(dump)["Bulkheads"]:
        u, b = expected_texts(bulkhead)
        under, beside = under + u, beside + b
    if not under and not beside:
        fail("the arrangement has nothing to dimension: the check proves nothing")
    entities = dimensions(cli, database, block, output)
    texts = [(re.sub(r"\\U\+([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), t.dxf.text),
              round(t.dxf.rotation)) for t in entities.query("TEXT")]
    if any(turned not in (0, 90) for _, turned in texts):
        fail("a dimension text is neither level nor upright")
    for rotation, expected in ((0, under), (90, beside)):
        found = sorted(text for text, turned in texts if turned == rotation)
        if found != sorted(expected):
            fail(f"the dimension texts turned {rotation}° are {found}, not {sorted(expected)}")
    if len(entities.query("LINE")) <= len(texts):
        fail("the chains have fewer lines than texts")
    if dimensions(cli, database, block, output, "--show", "axis,stiffeners"):
        fail("--show without dimensions still writes them")


main()
