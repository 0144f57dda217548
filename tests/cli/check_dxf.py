# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads korain-cli's DXF of an arrangement with ezdxf, an independent DXF library,
and holds it against the arrangement as korain-cli dump gives it: no audit error,
model space in metres, the layers, every contour node at its y, z, every arc as
a bulge of the node's radius, stiffeners as lines and every bulkhead's name as a
text of the labels layer.

What --show chooses is what the file holds: stiffeners and strakes are there
exactly when shown.

What a draughtsman works with: every character decoded (no escape left), every
label of one height no higher than the bulkhead's name and small beside the
drawing, labels along upright stiffeners upright, layer colours from the colour
index that read on black and on white, the axis a centre line, the extents
around every entity; with --title-block its texts beside the drawing, with
--check a legend whose swatches hold every strake's colour.

usage: check_dxf.py KORAIN_CLI DATABASE BLOCK OUTPUT.dxf SHOW [DRAW OPTION...]
"""
import configparser
import json
import math
import os
import re
import subprocess
import sys

import ezdxf
from ezdxf import bbox
from ezdxf.colors import aci2rgb

# A label standing for a group of stiffeners: "18 × A 300.0×13.0 90.0×17.0".
GROUPED = re.compile(r"\d+ \u00d7 ")
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

def luminance(rgb):
    def linear(v):
        v /= 255
        return v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(v) for v in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def check_layers(doc):
    """Each layer's colour is a colour number that reads on black and on white (7 turns
    black on white paper), never a true colour; the axis is a defined centre line."""
    for layer in doc.layers:
        if layer.dxf.hasattr("true_color"):
            fail(f"layer {layer.dxf.name} has a true colour")
        number = layer.dxf.color
        if number == 7:
            continue
        lum = luminance(aci2rgb(number))
        on_black, on_white = (lum + 0.05) / 0.05, 1.05 / (lum + 0.05)
        if min(on_black, on_white) < 3:
            fail(f"layer {layer.dxf.name}'s colour {number} does not read on black and on white")
    if doc.layers.get("AXIS").dxf.linetype != "CENTER":
        fail("the axis is no centre line")
    centre = doc.linetypes.get("CENTER")
    if centre is None or len(centre.pattern_tags.tags) < 4:
        fail("the CENTER linetype has no pattern")


def box_of(entity):
    """The entity's box; a text's is its place alone, since ezdxf measures texts in a font
    of its own choosing when the style's is not installed."""
    if entity.dxftype() == "TEXT":
        at = entity.dxf.align_point if entity.dxf.hasattr("align_point") else entity.dxf.insert
        return bbox.BoundingBox([at])
    return bbox.extents([entity])


def check_extents(doc, modelspace):
    low, high = doc.header.get("$EXTMIN"), doc.header.get("$EXTMAX")
    if low is None or high is None:
        fail("no $EXTMIN/$EXTMAX")
    for entity in modelspace:
        box = box_of(entity)
        if not box.has_data:
            continue
        if (box.extmin.x < low[0] - TOLERANCE or box.extmin.y < low[1] - TOLERANCE
                or box.extmax.x > high[0] + TOLERANCE or box.extmax.y > high[1] + TOLERANCE):
            fail(f"{entity.dxftype()} on {entity.dxf.layer} lies outside the extents")
    # The axes end near the structure and its texts (the axis values and node
    # numbers, plain numbers, aside), so that CAD opens on the drawing.
    drawn, axes = bbox.BoundingBox(), bbox.BoundingBox()
    for entity in modelspace:
        layer = entity.dxf.layer
        if layer == "AXIS":
            axes.extend(box_of(entity))
        elif layer == "LABELS" and entity.dxftype() == "TEXT":
            if not re.fullmatch(r"-?\d+", entity.dxf.text):
                drawn.extend(box_of(entity))
        elif layer not in ("TITLE_BLOCK", "LEGEND", "LABELS", "DIMENSIONS"):
            drawn.extend(box_of(entity))
    if drawn.has_data and axes.has_data and axes.size.x > 1.6 * drawn.size.x + 2:
        fail(f"the axis is {axes.size.x:.1f} m long across {drawn.size.x:.1f} m of drawing")


def check_labels(doc, modelspace, show):
    labels = modelspace.query("TEXT[layer=='LABELS']")
    for text in modelspace.query("TEXT"):
        if "\\U+" in text.plain_text() or "%%" in text.plain_text():
            fail(f"the text {text.dxf.text!r} keeps an escape")
        if text.dxf.style not in doc.styles or not doc.styles.get(text.dxf.style).dxf.font.endswith(
                ".ttf"):
            fail(f"the text {text.dxf.text!r} has no TrueType style")
    if not labels:
        return
    heights = [text.dxf.height for text in labels]
    # The bulkhead names are set the largest by default; no label grows past them.
    name_height = max(heights)
    high, low = doc.header.get("$EXTMAX"), doc.header.get("$EXTMIN")
    if name_height > (high[1] - low[1]) / 40:
        fail(f"a label is {name_height:.2f} m high")
    if min(heights) < name_height * 0.99:
        fail(f"labels of the default sizes are {min(heights):.3f} to {name_height:.3f} m high")
    if any(text.dxf.rotation not in (0, 90) for text in labels):
        fail("a label is neither level nor upright")
    upright = [line for line in modelspace.query("LINE[layer=='STIFFENERS']")
               if abs(line.dxf.end.y - line.dxf.start.y) > abs(line.dxf.end.x - line.dxf.start.x)]
    scantlings = [text for text in labels if "\u00d7" in text.dxf.text]
    # A group's label may stand level beside the bulkhead, led to by its mark;
    # a single stiffener's stands along it.
    single = [text for text in scantlings if not GROUPED.match(text.dxf.text)]
    if upright and single and set(show.split(",")) & {"scantlings", "all"}:
        if not any(text.dxf.rotation == 90 for text in single):
            fail("no scantling of an upright stiffener is upright")


def check_beside(modelspace, layer):
    """The entities of the layer stand right of the drawing, covering nothing of it."""
    drawing, part = bbox.BoundingBox(), bbox.BoundingBox()
    for entity in modelspace:
        if entity.dxf.layer == layer:
            part.extend(box_of(entity))
        elif entity.dxf.layer not in ("TITLE_BLOCK", "LEGEND"):
            drawing.extend(box_of(entity))
    if not part.has_data:
        fail(f"nothing on {layer}")
    if part.extmin.x <= drawing.extmax.x:
        fail(f"{layer} overlaps the drawing")


def makers():
    """The drawing's makers the configuration names, each of which has a cell."""
    folder = os.environ.get("KORAIN_CONFIG_DIR")
    if not folder:
        return []
    config = configparser.ConfigParser()
    config.optionxform = str
    config.read(os.path.join(folder, "Tessaly.ini"))
    keys = ("Company", "Department", "Project", "DrawnBy", "CheckedBy")
    return [config["Identification"][key] for key in keys
            if config.has_option("Identification", key)]


def check_title_and_legend(modelspace, options):
    titles = [t.dxf.text for t in modelspace.query("TEXT[layer=='TITLE_BLOCK']")]
    if "--title-block" in options:
        if not any(t.startswith("Korain version") for t in titles):
            fail(f"the title block's texts are missing: {titles}")
        check_beside(modelspace, "TITLE_BLOCK")
        for value in makers():
            if not any(t.endswith(": " + value) for t in titles):
                fail(f"the maker '{value}' of the configuration is not in the title block")
    elif titles:
        fail("a title block nobody asked for")
    swatches = {e.rgb for e in modelspace.query("HATCH[layer=='LEGEND']")}
    if "--check" in options:
        check_beside(modelspace, "LEGEND")
        strakes = {e.rgb for e in modelspace.query("*[layer=='STRAKES']") if e.rgb}
        if strakes - swatches:
            fail(f"strake colours {sorted(strakes - swatches)} have no swatch")
    elif swatches:
        fail("a legend with no check")


def main():
    cli, database, block, output, show = sys.argv[1:6]
    options = sys.argv[6:]
    subprocess.run([cli, "draw", database, block, "-o", output, "--show", show, *options],
                   check=True)
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
    check_layers(doc)
    check_extents(doc, modelspace)
    check_labels(doc, modelspace, show)
    check_title_and_legend(modelspace, options)
    texts = {e.plain_text() for e in modelspace.query("TEXT[layer=='LABELS']")}
    for bulkhead in arrangement["Bulkheads"]:
        name = bulkhead["Name"]
        if name and bulkhead["Nodes"] and name not in texts:
            fail(f"the name '{name}' is no label")


main()
