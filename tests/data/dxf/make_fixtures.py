#!/usr/bin/python3
# Writes the DXF fixtures of the contour import with ezdxf, a DXF library of
# its own, so that the import is tried on files our export never wrote.
# Run with the system's python (Debian's python3-ezdxf) from this folder:
#   /usr/bin/python3 make_fixtures.py
# SPDX-License-Identifier: GPL-3.0-or-later
import math

import ezdxf

QUARTER = math.tan(math.radians(90) / 4)


def drawing(units):
    doc = ezdxf.new("R2000")
    doc.header["$INSUNITS"] = units
    return doc


def bulges():
    # Straight, a quarter turn anticlockwise, straight, a quarter turn clockwise, straight.
    doc = drawing(6)
    doc.modelspace().add_lwpolyline(
        [(0, 1.8, 0), (8, 1.8, QUARTER), (10, 3.8, 0), (10, 10, -QUARTER), (8, 12, 0), (0, 12, 0)],
        format="xyb", dxfattribs={"layer": "CONTOUR"})
    doc.saveas("bulges.dxf")


def big_arcs():
    # Three quarters of a turn anticlockwise, then two thirds of a turn clockwise.
    doc = drawing(6)
    doc.modelspace().add_lwpolyline(
        [(0, 0, 0), (4, 0, math.tan(math.radians(270) / 4)), (2, 2, 0),
         (2, 6, -math.tan(math.radians(240) / 4)), (2 + math.sqrt(3) / 2, 7.5, 0)],
        format="xyb")
    doc.saveas("big_arcs.dxf")


def line_arc_chain():
    # A closed outline of loose lines and arcs, out of order, some drawn the
    # other way round, one end 0.4 mm off; one arc is seen from below (its
    # extrusion down, so its x runs the other way). Beside it a stiffener line
    # on its own, a circle, a text.
    doc = drawing(6)
    msp = doc.modelspace()
    msp.add_line((7, 5.0004), (0, 5))
    msp.add_line((1, 0), (6, 0))
    msp.add_line((0, 5), (0, 1))
    msp.add_line((7, 5), (7, 1))
    msp.add_arc((-6, 1), 1, 180, 270, dxfattribs={"extrusion": (0, 0, -1)})
    msp.add_arc((1, 1), 1, 180, 270)
    msp.add_line((3, 0.2), (3, 4.8), dxfattribs={"layer": "STIFFENERS"})
    msp.add_circle((3, 3), 0.5)
    msp.add_text("HOLD 3", dxfattribs={"insert": (2, 2), "height": 0.3})
    doc.saveas("line_arc_chain.dxf")


def millimetres():
    doc = drawing(4)
    doc.modelspace().add_lwpolyline(
        [(0, 1800, 0), (8000, 1800, QUARTER), (10000, 3800, 0), (10000, 18000, 0), (0, 18000, 0)],
        format="xyb")
    doc.saveas("millimetres.dxf")


def closed_polyline():
    # An old-style polyline, closed, with a half turn; the header gives no units.
    doc = ezdxf.new("R2000")
    doc.header["$INSUNITS"] = 0
    polyline = doc.modelspace().add_polyline2d([(0, 0), (4, 0), (4, 4), (0, 4)], close=True)
    polyline.vertices[2].dxf.bulge = 1.0
    doc.saveas("closed_polyline.dxf")


def layers():
    # The longer polyline on HULL, the shorter on CONTOUR.
    doc = drawing(6)
    msp = doc.modelspace()
    msp.add_lwpolyline([(0, 0), (20, 0), (20, 20)], dxfattribs={"layer": "HULL"})
    msp.add_lwpolyline([(0, 1), (5, 1), (5, 6)], dxfattribs={"layer": "CONTOUR"})
    doc.saveas("layers.dxf")


def no_chain():
    doc = drawing(6)
    msp = doc.modelspace()
    msp.add_circle((3, 3), 2)
    msp.add_point((1, 1))
    msp.add_line((2, 2), (2, 2.0005))
    msp.add_text("NO CONTOUR", dxfattribs={"insert": (0, 0), "height": 0.3})
    doc.saveas("no_chain.dxf")


def other_units():
    doc = drawing(3)
    doc.modelspace().add_lwpolyline([(0, 0), (1, 0), (1, 1)])
    doc.saveas("miles.dxf")


for make in (bulges, big_arcs, line_arc_chain, millimetres, closed_polyline, layers, no_chain,
             other_units):
    make()
