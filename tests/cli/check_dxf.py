# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads korain-cli's DXF of an arrangement with ezdxf, an independent DXF library,
and holds it against the arrangement as korain-cli dump gives it: no audit error,
model space in metres, the layers, every contour node at its y, z, every arc as
a bulge of the node's radius, stiffeners as lines and every bulkhead's name as a
text of the labels layer.

What --show chooses is what the file holds: stiffeners and strakes are there
exactly when shown.

usage: check_dxf.py KORAIN_CLI DATABASE BLOCK OUTPUT.dxf SHOW
"""
import json
import math
import re
import subprocess
import sys

import ezdxf

LAYERS = {"HULL_SECTION", "BULKHEAD_CONTOUR", "STOOLS", "NODES", "PRIMARY_MEMBERS", "STIFFENERS",
          "BRACKETS", "STRAKES", "CORRUGATION", "AXIS", "LABELS"}
# Coordinates are stored as single floats: a node is where the file says within this.
TOLERANCE = 1e-4


def fail(text):
    sys.exit(f"{sys.argv[4]}: {text}")


def contour_vertices(doc):
    """(y, z, bulge) of every vertex of the contour polylines."""
    vertices = []
    for entity in doc.modelspace().query("LWPOLYLINE[layer=='BULKHEAD_CONTOUR']"):
        vertices += [(y, z, bulge) for y, z, _, _, bulge in entity.get_points("xyseb")]
    # A contour whose nodes all coincide is one point.
    for entity in doc.modelspace().query("POINT[layer=='BULKHEAD_CONTOUR']"):
        vertices.append((entity.dxf.location.x, entity.dxf.location.y, 0))
    return vertices


def bulge_radius(start, end, bulge):
    chord = math.dist(start, end)
    return chord * (1 + bulge * bulge) / (4 * abs(bulge))


def check_contours(doc, arrangement):
    vertices = contour_vertices(doc)
    for b, bulkhead in enumerate(arrangement["Bulkheads"], 1):
        nodes = bulkhead["Nodes"]
        for k, node in enumerate(nodes, 1):
            at = [v for v in vertices if math.dist(v[:2], (node["Y"], node["Z"])) < TOLERANCE]
            if not at:
                fail(f"node {k} of bulkhead {b} ({node['Y']}, {node['Z']}) is no contour vertex")
            if node["ShCur"] not in (3, 4) or not node.get("computed", {}).get("ArcValid"):
                continue
            # The arc ends on this node (code 3) or ends a rounded corner before it.
            radii = [bulge_radius(vertices[i][:2], vertices[i + 1][:2], vertices[i][2])
                     for i in range(len(vertices) - 1) if vertices[i][2] != 0]
            if not any(abs(r - abs(node["ShR"])) < 1e-3 for r in radii):
                fail(f"the arc of node {k} of bulkhead {b} (R {node['ShR']}) is no bulge")


def decoded(text):
    return re.sub(r"\\U\+([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), text)


def check_shown(modelspace, arrangement, show):
    shown = set(show.split(","))
    bulkheads = arrangement["Bulkheads"]
    # What the geometry could place: a stiffener with a span, a strake with an outline.
    drawable = {
        "stiffeners": any(len(k.get("computed", {}).get("Extremities", [])) >= 2
                          for b in bulkheads for k in b["Stiffeners"]),
        "strakes": any(len(t.get("computed", {}).get("Outline", [])) >= 3
                       for b in bulkheads for band in b["StrakeBands"] for t in band["Strakes"]),
    }
    for kind, layer in (("stiffeners", "STIFFENERS"), ("strakes", "STRAKES")):
        present = drawable[kind]
        held = len(modelspace.query(f"*[layer=='{layer}']")) > 0
        if held != (present and bool(shown & {kind, "all"})):
            fail(f"{kind} {'held' if held else 'missing'} with --show {show}")


def main():
    cli, database, block, output, show = sys.argv[1:6]
    subprocess.run([cli, "draw", database, block, "-o", output, "--show", show], check=True)
    arrangement = json.loads(subprocess.run([cli, "dump", database, block], check=True,
                                            capture_output=True, text=True).stdout)
    doc = ezdxf.readfile(output)
    auditor = doc.audit()
    if auditor.has_errors:
        fail("audit errors: " + "; ".join(str(e.message) for e in auditor.errors))
    if doc.header.get("$INSUNITS") != 6:
        fail(f"$INSUNITS is {doc.header.get('$INSUNITS')}, not 6 (metres)")
    missing = LAYERS - {layer.dxf.name for layer in doc.layers}
    if missing:
        fail(f"layers missing: {sorted(missing)}")
    check_contours(doc, arrangement)
    modelspace = doc.modelspace()
    if any(e.dxftype() != "LINE" for e in modelspace.query("*[layer=='STIFFENERS']")):
        fail("a stiffener is not a line")
    check_shown(modelspace, arrangement, show)
    texts = {decoded(e.dxf.text) for e in modelspace.query("TEXT[layer=='LABELS']")}
    for bulkhead in arrangement["Bulkheads"]:
        name = bulkhead["Name"]
        if name and bulkhead["Nodes"] and name not in texts:
            fail(f"the name '{name}' is no label")


main()
