# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads korain-cli's DXF with ezdxf and holds its dimension chains against the
arrangement as korain-cli dump gives it: on the DIMENSIONS layer, one text per
group of equal spacings ("18 × 800 = 14 400"), level under the bulkhead and
upright beside it, a dimension line per chain with an extension line and a tick
per station. A drawing is issued with its chains: they are there by default,
and gone when --show leaves them out.

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


def millimetres(metres):
    return math.floor(metres * 1000 + 0.5)


def grouped(value):
    return f"{value:,}".replace(",", " ")


def chain_texts(marks, low, high):
    """The spacing texts of the chain through the marks within [low, high]."""
    if not (math.isfinite(low) and math.isfinite(high)) or millimetres(low) >= millimetres(high):
        return []
    within = [m for m in marks if math.isfinite(m) and low <= m <= high]
    if not within:
        return []
    stations = {millimetres(low), millimetres(high)} | {millimetres(m) for m in within}
    if low < 0 < high:
        stations.add(0)
    stations = sorted(stations)
    spacings = [b - a for a, b in zip(stations, stations[1:])]
    texts = []
    for spacing, run in itertools.groupby(spacings):
        count = len(list(run))
        texts.append(grouped(spacing) if count == 1 else
                     f"{count} \u00d7 {grouped(spacing)} = {grouped(count * spacing)}")
    return texts


def expected_chains(bulkhead):
    """(texts along the bottom, texts along the side, number of stations)."""
    c = bulkhead["computed"]
    stiffeners = [s["Position"] for s in bulkhead["Stiffeners"]]
    levels = [m["computed"]["Placed"] for m in bulkhead["PrimaryMembers"] if m["HV"] == 0]
    levels += [bulkhead[f"Stool{k}Z"] for k in (1, 2) if bulkhead[f"Stool{k}Enabled"]]
    levels += [band["Z"] for band in bulkhead["StrakeBands"]]
    level_texts = chain_texts(levels, c["ZMin"], c["ZMax"])
    if bulkhead["stfHV"] == 1:
        return chain_texts(stiffeners, c["YMin"], c["YMax"]), level_texts
    return [], chain_texts(stiffeners, c["ZMin"], c["ZMax"]) + level_texts


def decoded(text):
    return re.sub(r"\\U\+([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), text)


def draw(cli, database, block, output, *show):
    subprocess.run([cli, "draw", database, block, "-o", output, *show], check=True)
    return ezdxf.readfile(output).modelspace()


def main():
    cli, database, block, output = sys.argv[1:5]
    dump = subprocess.run([cli, "dump", database, block], check=True, capture_output=True,
                          text=True).stdout
    bottom, side = [], []
    for bulkhead in json.loads(dump)["Bulkheads"]:
        b, s = expected_chains(bulkhead)
        bottom += b
        side += s
    modelspace = draw(cli, database, block, output)
    texts = modelspace.query("TEXT[layer=='DIMENSIONS']")
    level = sorted(decoded(t.dxf.text) for t in texts if abs(t.dxf.rotation) < 1e-6)
    upright = sorted(decoded(t.dxf.text) for t in texts if abs(t.dxf.rotation - 90) < 1e-6)
    if len(level) + len(upright) != len(texts):
        fail("a dimension text is neither level nor upright")
    if level != sorted(bottom):
        fail(f"the texts under the bulkheads are {level}, not {sorted(bottom)}")
    if upright != sorted(side):
        fail(f"the texts beside the bulkheads are {upright}, not {sorted(side)}")
    if not bottom and not side:
        fail("the arrangement has nothing to dimension: the check proves nothing")
    lines = modelspace.query("LINE[layer=='DIMENSIONS']")
    if len(lines) <= len(texts):
        fail(f"{len(lines)} dimension lines for {len(texts)} texts")
    left_out = draw(cli, database, block, output, "--show", "axis,stiffeners")
    if len(left_out.query("*[layer=='DIMENSIONS']")) != 0:
        fail("--show without dimensions still writes them")


main()
