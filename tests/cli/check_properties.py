# SPDX-License-Identifier: GPL-3.0-or-later
"""Holds korain-cli properties --json against a computation of its own, on
arrangements no example holds: built here, loaded into a copy of the example
database as new blocks, and read back computed by korain-cli dump.

The sections are worked out by the parallel-axis rule written below; the
strakes' areas and centres by shapely, from the exact contour (its arcs
flattened to a thousandth of a radian, from the centres and angles dump
gives) cut by each strake's range of y and its band's range of z. Weights,
centres and sections must agree to 0.1 %. The JSON must fit its schema, a
deduction must lower every section modulus, and the configuration's density
and deduction must be the ones used unless --deduct says otherwise.

usage: check_properties.py KORAIN_CLI EXAMPLE.ko2 SCRATCH_FOLDER SCHEMA
"""
import json
import math
import os
import shutil
import subprocess
import sys

import jsonschema
from shapely.geometry import LineString, Polygon, box

CLI, EXAMPLE, SCRATCH, SCHEMA = sys.argv[1:5]
DATABASE = os.path.join(SCRATCH, "properties.ko2")
DENSITY = 7.7  # t/m³, the configuration's
DEDUCTION = 1.5  # mm, the configuration's
FLAT, BULB, ANGLE, TEE, PIPE = 1, 2, 3, 4, 6
CORRUGATED = 2
VERTICAL = 1
FAR = 1e4  # m, beyond every contour

failures = []


def run(*args, config=None):
    env = dict(os.environ, **({"KORAIN_CONFIG_DIR": config} if config else {}))
    result = subprocess.run([CLI, *args], capture_output=True, text=True, env=env, check=False)
    if result.returncode != 0 or result.stderr:
        sys.exit(f"korain-cli {' '.join(args)}: exit {result.returncode}\n{result.stderr}")
    return result.stdout


# ---- The arrangements -------------------------------------------------------

def node(y, z, code=1, radius=0.0, corner=(0.0, 0.0)):
    return {"Y": y, "Z": z, "ShCur": code, "ShR": radius, "ShYT": corner[0], "ShZT": corner[1]}


def scantling(typ, h1, e1, h2=0.0, e2=0.0):
    return {"Typ": typ, "H1": h1, "E1": e1, "H2": h2, "E2": e2}


def span(own=None, material=0, lower=0.0, upper=0.0):
    return {"HasScantling": own is not None, "Mat": material,
            "Scantling": own or scantling(0, 0, 0),
            "LowerBracketLength": lower, "UpperBracketLength": upper}


def stiffener(position, profile, spans=None, ends=(0.0, 0.0)):
    """Two spans of its own profile unless others are given; end brackets
    fitted where `ends` gives a length (the file keeps nothing of the others)."""
    brackets = [{"Fixed": True, "Enabled": True, "Length": length,
                 "Scantling": scantling(FLAT, 300, 11)} if length else {"Enabled": False}
                for length in ends]
    return {"Position": position, "iMat": 2, "Scantling": profile, "Brackets": brackets,
            "Spans": spans or [span(), span()], "TypeConn": 0}


def band(z, strakes):
    return {"Z": z, "Strakes": [{"Y": y, "Th": th, "iMat": 3} for y, th in strakes]}


def bulkhead(name, nodes, bands, hv=VERTICAL, side=1, stools=None, **more):
    stool = {} if stools is None else {"Stool1Enabled": True, "Stool1Z": stools[0],
                                       "Stool2Enabled": True, "Stool2Z": stools[1]}
    return {"Name": name, "Typ": 0, "iMat": 2, "stfside": side, "stfHV": hv, **stool,
            "Nodes": nodes, "StrakeBands": bands, **more}


def side_bulkhead():
    """Vertical stiffeners of every kind on a side with a bilge arc through its
    nodes and a rounded corner whose nodes are not its points of tangency,
    between stools that cut both arcs, with a stringer across. The outer
    strakes are narrow, so that their arcs weigh in their area."""
    return bulkhead(
        "Side bulkhead with bilge",
        [node(0, 2, 0), node(7, 2), node(9, 4, 3, 2.0), node(9, 9), node(6, 13, 4, 1.5, (9, 13)),
         node(0, 13)],
        [band(5.0, [(4.0, 15.0), (8.2, 16.5), (9.0, 17.0)]), band(9.5, [(3.3, 12.5), (9.0, 13.0)]),
         band(12.5, [(5.2, 11.0), (8.2, 12.0), (9.0, 12.5)])],
        stools=(3.0, 12.5), PrimaryMembers=[{"Position": 7.5, "HV": 0}],
        Stiffeners=[
            stiffener(0.7, scantling(FLAT, 200, 12), ends=(0.3, 0.25)),
            stiffener(1.5, scantling(ANGLE, 250, 10, 90, 15), [span(upper=0.3), span(lower=0.3)]),
            stiffener(2.3, scantling(TEE, 300, 12, 100, 15)),
            stiffener(3.1, scantling(BULB, 200, 10)),
            stiffener(3.8, scantling(BULB, 100, 8)),
            stiffener(4.6, scantling(PIPE, 120, 8)),
            stiffener(5.5, scantling(FLAT, 150, 10)),
            stiffener(6.5, scantling(ANGLE, 200, 9, 75, 12),
                      [span(scantling(TEE, 250, 11, 90, 14), 3, upper=0.4), span(lower=0.35)]),
            stiffener(7.4, scantling(TEE, 280, 11, 100, 16), ends=(0.5, 0.0)),
            stiffener(8.7, scantling(BULB, 160, 9))])


def deck_bulkhead(closed=False):
    """Horizontal stiffeners on a plate with a sloped side, no stools, a web
    frame across; the lowest and highest stiffeners have one neighbour, and the
    lowest ends before the middle of the second one's outer span. A section
    described on both sides needs its contour closed by a node."""
    nodes = [node(0, 1, 0), node(6, 1), node(10, 5), node(10, 12), node(0, 12)]
    return bulkhead(
        "Sloped bulkhead, horizontal stiffeners", nodes + [node(0, 1)] if closed else nodes,
        [band(4.0, [(2.8, 14.0), (10.0, 15.5)]), band(12.0, [(7.0, 12.0), (10.0, 13.5)])],
        hv=0, side=0, PrimaryMembers=[{"Position": 5.0, "HV": VERTICAL}],
        Stiffeners=[stiffener(1.9, scantling(ANGLE, 300, 11, 100, 16), ends=(0.4, 0.4)),
                    stiffener(4.3, scantling(TEE, 350, 12, 120, 18)),
                    stiffener(6.2, scantling(FLAT, 180, 14)),
                    stiffener(8.0, scantling(BULB, 240, 11)),
                    stiffener(9.4, scantling(BULB, 115, 7)),
                    stiffener(11.2, scantling(ANGLE, 150, 10, 90, 10))])


def round_bulkhead():
    """A half disc of plating, whose weight and centre the arcs make: a polygon
    through points 0.2 rad apart would be 0.7 % light."""
    return bulkhead(
        "Round tank end", [node(0, 0, 0), node(3, 3, 3, 3.0), node(0, 6, 3, 3.0)],
        [band(1.8, [(1.6, 12.0), (3.0, 13.0)]), band(6.0, [(1.6, 10.0), (3.0, 11.0)])],
        Stiffeners=[stiffener(1.0, scantling(FLAT, 160, 10), [span()]),
                    stiffener(2.1, scantling(BULB, 140, 9), [span()])])


def corrugated_bulkhead():
    """Vertical corrugation over a whole section with bilge arcs, which cut the
    first web, a narrow strake at the bilge and strake seams across webs."""
    return dict(bulkhead(
        "Corrugated bulkhead, both sides",
        [node(-6, 2, 0), node(6, 2), node(8, 4, 3, 2.0), node(8, 11), node(-8, 11), node(-8, 4),
         node(-6, 2, 3, 2.0)],
        [band(6.5, [(-7.0, 14.5), (-3.0, 14.0), (3.0, 12.5), (8.0, 15.0)]),
         band(10.5, [(-3.0, 11.5), (3.0, 12.0), (8.0, 13.0)])],
        stools=(3.0, 10.5), Corrugation={"Start": 0.3, "S1": 1.5, "A": 0.9, "D": 0.7}),
        Typ=CORRUGATED)


# ---- What korain-cli should give, worked out here ---------------------------

def flattened_contour(computed):
    """The contour's polygon: straight lines as they are, every arc in steps
    of at most a thousandth of a radian, from the centre and the angles to its
    ends that dump gives."""
    points = []
    for k, n in enumerate(computed["Nodes"]):
        arc = n.get("computed")
        if k > 0 and arc and arc["ArcValid"]:
            (cy, cz), start, end = arc["ArcCentre"], arc["ArcStartAngle"], arc["ArcEndAngle"]
            # The arc runs anticlockwise for a positive radius, clockwise otherwise.
            if n["ShR"] > 0 and end < start:
                end += 2 * math.pi
            elif n["ShR"] <= 0 and start < end:
                start += 2 * math.pi
            steps = max(2, math.ceil(abs(end - start) / 1e-3))
            angles = (start + (end - start) * i / steps for i in range(steps + 1))
            points += [(cy + abs(n["ShR"]) * math.cos(a), cz + abs(n["ShR"]) * math.sin(a))
                       for a in angles]
        points.append((n["Y"], n["Z"]))
    # An arc's ends, worked out from angles kept as Singles, miss its nodes by
    # a hair: the slivers that leave are cleared away.
    polygon = Polygon(points)
    return polygon if polygon.is_valid else polygon.buffer(0)


def strake_regions(computed):
    """(band, strake, thickness mm, y range, z range) of every strake."""
    z_from = computed["computed"]["ZLow"]
    for b, strake_band in enumerate(computed["StrakeBands"], 1):
        y_from = computed["computed"]["YMin"]
        for t, strake in enumerate(strake_band["Strakes"], 1):
            yield b, t, strake["Th"], (y_from, strake["Y"]), (z_from, strake_band["Z"])
            y_from = strake["Y"]
        z_from = strake_band["Z"]


def profile_shape(profile):
    """(web height, web thickness, flange width, flange thickness) in mm; a
    bulb as its equivalent angle."""
    typ, h1, e1, h2, e2 = (profile[key] for key in ("Typ", "H1", "E1", "H2", "E2"))
    if typ == FLAT:
        return h1, e1, 0.0, 0.0
    if typ in (ANGLE, TEE):
        return h1, e1, h2, e2
    if typ == BULB:
        alpha = 1.1 + (120 - h1) ** 2 / 3000 if h1 <= 120 else 1.0
        return h1 - h1 / 9.2 + 2, e1, alpha * (e1 + h1 / 6.7 - 2), h1 / 9.2 - 2
    return None


def section(shape, thickness, breadth):
    """Area cm², neutral axis mm above the plate's outer face, inertia cm⁴,
    moduli at the flange and at the plate cm³, the profile's area cm²: each
    rectangle's own inertia plus its area times its distance squared."""
    web_height, web, flange_width, flange = shape
    rectangles = [(breadth, thickness, thickness / 2),
                  (web, web_height, thickness + web_height / 2),
                  (flange_width, flange, thickness + web_height + flange / 2)]
    area = sum(w * h for w, h, _ in rectangles)
    axis = sum(w * h * c for w, h, c in rectangles) / area
    inertia = sum(w * h ** 3 / 12 + w * h * (c - axis) ** 2 for w, h, c in rectangles)
    top = thickness + web_height + flange
    return {"area": area / 100, "neutral_axis": axis, "inertia": inertia / 1e4,
            "z_flange": inertia / (top - axis) / 1e3, "z_plate": inertia / axis / 1e3,
            "profile_area": (area - breadth * thickness) / 100}


def plate_breadth(outline, stiffeners, position, along, vertical):
    """Half the distance to the nearest stiffener that reaches the span's
    middle on each side, the contour's outermost cut across the stiffener
    there standing in for a missing one and never more than the other half; mm."""
    line = (LineString([(-FAR, along), (FAR, along)]) if vertical
            else LineString([(along, -FAR), (along, FAR)]))
    cut = outline.exterior.intersection(line)
    edges = [p.x if vertical else p.y for p in getattr(cut, "geoms", [cut])]
    reach = [(s["Position"], s["computed"]["Extremities"]) for s in stiffeners]
    neighbours = [p for p, ends in reach if min(ends) <= along <= max(ends)]
    below = [(position - p) / 2 for p in neighbours if p < position]
    above = [(p - position) / 2 for p in neighbours if p > position]
    half_below = min(below) if below else min(position - min(edges), min(above))
    half_above = min(above) if above else min(max(edges) - position, half_below)
    return (half_below + half_above) * 1000


def web_thickness(stiffener, own):
    return (own["Scantling"] if own["HasScantling"] else stiffener["Scantling"])["E1"]


def brackets_of(stiffener):
    """(length m, thickness mm, end m, +1 or -1 into the span) of every bracket:
    the fitted end brackets with their own scantling's thickness, those at
    primary members with the web thickness of their span's profile."""
    ends = stiffener["computed"]["Extremities"]
    spans = stiffener["Spans"]
    for fitted, end, inward in zip(stiffener["Brackets"], (ends[0], ends[-1]), (1, -1)):
        if fitted["Enabled"] and fitted["Length"] > 0:
            yield fitted["Length"], fitted["Scantling"]["E1"], end, inward
    for n, own in enumerate(spans, 1):
        if n > 1 and own["LowerBracketLength"] > 0:
            yield own["LowerBracketLength"], web_thickness(stiffener, own), ends[n - 1], 1
        if n < len(spans) and own["UpperBracketLength"] > 0:
            yield own["UpperBracketLength"], web_thickness(stiffener, own), ends[n], -1


def expected_spans(computed, deduction):
    vertical = computed["stfHV"] == VERTICAL
    outline = flattened_contour(computed)
    regions = list(strake_regions(computed))
    for k, s in enumerate(computed["Stiffeners"], 1):
        ends = s["computed"]["Extremities"]
        for n, own in enumerate(s["Spans"], 1):
            along = (ends[n - 1] + ends[n]) / 2
            middle = (s["Position"], along) if vertical else (along, s["Position"])
            b, t, thickness = next((b, t, th) for b, t, th, (y0, y1), (z0, z1) in regions
                                   if y0 < middle[0] < y1 and z0 < middle[1] < z1)
            breadth = plate_breadth(outline, computed["Stiffeners"], s["Position"], along, vertical)
            shape = profile_shape(own["Scantling"] if own["HasScantling"] else s["Scantling"])
            result = {"stiffener": k, "span": n, "length": ends[n] - ends[n - 1],
                      "brackets": (own["LowerBracketLength"], own["UpperBracketLength"]),
                      "middle": middle, "plate": (thickness, breadth, b, t), "shape": shape}
            if shape:
                web_height, web, flange_width, flange = shape
                result["gross"] = section(shape, thickness, breadth)
                net_shape = (web_height, web - deduction, flange_width,
                             flange - deduction if flange_width > 0 else 0.0)
                result["net"] = section(net_shape, thickness - deduction, breadth)
            yield result


def expected_weight(computed, spans, density, half):
    """Each part's [weight t, its moments t·m in y and in z]; the
    corrugation's webs between the first and second knuckle lines, the third
    and fourth, and so on, add their developed breadth to their projection."""
    outline = flattened_contour(computed)
    vertical = computed["stfHV"] == VERTICAL
    parts = {name: [0.0, 0.0, 0.0] for name in ("plating", "stiffeners", "brackets", "corrugation")}

    def add(part, weight, y, z):
        parts[part] = [a + b for a, b in zip(parts[part], (weight, weight * y, weight * z))]

    lines = [line["Position"] for line in computed["computed"]["CorrugationLines"]]
    webs = [(high - low, box(low, -FAR, high, FAR) if vertical else box(-FAR, low, FAR, high))
            for low, high in zip(lines[0::2], lines[1::2])]
    for _, _, thickness, (y0, y1), (z0, z1) in strake_regions(computed):
        piece = outline.intersection(box(y0, z0, y1, z1))
        tonnes_per_m2 = thickness / 1000 * density
        add("plating", piece.area * tonnes_per_m2, piece.centroid.x, piece.centroid.y)
        for breadth, strip in webs if computed["Typ"] == CORRUGATED else ():
            web = piece.intersection(strip)
            if web.area > 0:
                extra = math.hypot(breadth, computed["Corrugation"]["D"]) / breadth - 1
                add("corrugation", web.area * extra * tonnes_per_m2, web.centroid.x, web.centroid.y)
    for s in spans:
        if "gross" in s:
            add("stiffeners", s["length"] * s["gross"]["profile_area"] / 1e4 * density,
                *s["middle"])
    for s in computed["Stiffeners"]:
        for length, thickness, end, inward in brackets_of(s):
            along = end + inward * length / 3
            add("brackets", length * length / 2 * thickness / 1000 * density,
                *((s["Position"], along) if vertical else (along, s["Position"])))
    parts["total"] = [sum(part[i] for part in parts.values()) for i in range(3)]
    if half:
        weight, _, moment_z = parts["total"]
        parts["whole"] = [2 * weight, 0.0, 2 * moment_z]
    return parts


# ---- Comparisons ------------------------------------------------------------

def agrees(where, name, actual, expected):
    if actual is None or not math.isclose(actual, expected, rel_tol=1e-3, abs_tol=1e-9):
        failures.append(f"{where}: {name} {actual}, expected {expected:.6g}")


def check_span(where, actual, expected, deduction):
    agrees(where, "length", actual["length"], expected["length"])
    agrees(where, "lower bracket", actual["brackets"]["lower"], expected["brackets"][0])
    agrees(where, "upper bracket", actual["brackets"]["upper"], expected["brackets"][1])
    thickness, breadth, b, t = expected["plate"]
    plate = actual["plate"] or {}
    agrees(where, "plate thickness", plate.get("thickness"), thickness)
    agrees(where, "plate breadth", plate.get("breadth"), breadth)
    if (plate.get("band"), plate.get("strake")) != (b, t):
        failures.append(f"{where}: plate from band {plate.get('band')} strake "
                        f"{plate.get('strake')}, expected band {b} strake {t}")
    if expected["shape"] is None:
        if actual["area"] is not None or not actual["missing"]:
            failures.append(f"{where}: a profile without a shape has properties, or no reason")
        return
    for name, value in expected["gross"].items():
        agrees(where, name, actual[name], value)
    if actual["missing"] is not None or actual["area"] is None:
        failures.append(f"{where}: no properties: {actual['missing']}")
    elif deduction == 0 and actual["net"] is not None:
        failures.append(f"{where}: net values without a deduction")
    elif deduction > 0:
        net = actual["net"] or {}
        for name, value in expected["net"].items():
            agrees(where + " net", name, net.get(name), value)
        for name in ("z_flange", "z_plate"):
            if not (net.get(name) or math.inf) < actual[name]:
                failures.append(f"{where}: net {name} {net.get(name)} is not below the gross")


def check_weight(where, actual, expected):
    """Each part's weight and centre, the total's and, for a half section, the
    whole bulkhead's."""
    found = dict(actual["parts"], whole=actual["whole"],
                 total={"weight": actual["total"], "y": actual["y"], "z": actual["z"]})
    for name, (weight, moment_y, moment_z) in expected.items():
        part = found[name] or {}
        if name in actual["parts"]:
            agrees(where, name, actual[name], weight)
        agrees(where, f"{name} weight", part.get("weight"), weight)
        if weight > 0:
            agrees(where, f"{name} y", part.get("y"), moment_y / weight)
            agrees(where, f"{name} z", part.get("z"), moment_z / weight)
    if ("whole" in expected) != actual["half"]:
        failures.append(f"{where}: half {actual['half']}, expected {'whole' in expected}")


def check_block(block, config, deduction, extra=()):
    computed = json.loads(run("dump", DATABASE, block))
    document = json.loads(run("properties", DATABASE, block, "--json", *extra, config=config))
    with open(SCHEMA, encoding="utf-8") as schema:
        for error in jsonschema.Draft202012Validator(json.load(schema)).iter_errors(document):
            failures.append(f"block {block}: {error.json_path}: {error.message}")
    agrees(f"block {block}", "density", document["density"], DENSITY)
    agrees(f"block {block}", "deduction", document["deduction"], deduction)
    for bulkhead_computed, actual in zip(computed["Bulkheads"], document["bulkheads"], strict=True):
        spans = list(expected_spans(bulkhead_computed, deduction))
        if len(spans) != len(actual["spans"]):
            failures.append(f"{actual['name']}: {len(actual['spans'])} spans, "
                            f"expected {len(spans)}")
        for e, a in zip(spans, actual["spans"]):
            check_span(f"{actual['name']}, stiffener {e['stiffener']} span {e['span']}", a, e,
                       deduction)
        check_weight(actual["name"], actual["weight"],
                     expected_weight(bulkhead_computed, spans, DENSITY, computed["SymFlag"] == 0))


def main():
    os.makedirs(SCRATCH, exist_ok=True)
    shutil.copyfile(EXAMPLE, DATABASE)
    os.chmod(DATABASE, 0o644)
    config = os.path.join(SCRATCH, "properties_config")
    os.makedirs(config, exist_ok=True)
    with open(os.path.join(config, "Tessaly.ini"), "w", encoding="utf-8") as ini:
        ini.write(f"[Paths]\nSteelDensity={DENSITY}\nThicknessDeduction={DEDUCTION}\n")
    blocks = {"5": ("Half section, test bulkheads", 0,
                    [side_bulkhead(), deck_bulkhead(), round_bulkhead()]),
              "6": ("Whole section, test bulkheads", 1,
                    [deck_bulkhead(closed=True), corrugated_bulkhead()])}
    for block, (name, symmetry, bulkheads) in blocks.items():
        path = os.path.join(SCRATCH, f"properties_{block}.json")
        with open(path, "w", encoding="utf-8") as file:
            json.dump({"Name": name, "X": 60.0, "SymFlag": symmetry, "Bulkheads": bulkheads}, file,
                      ensure_ascii=False, indent=1)
        run("load", DATABASE, block, path)
        check_block(block, config, DEDUCTION)
    check_block("5", config, 0.0, ("--deduct", "0"))
    check_block("5", config, 2.5, ("--deduct", "2.5"))
    for failure in failures:
        print(failure, file=sys.stderr)
    sys.exit(1 if failures else 0)


main()
