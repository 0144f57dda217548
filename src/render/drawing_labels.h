// The labels of the drawing as plain values in world coordinates: what each
// label says, the point or line it belongs to, its colour and its kind. The
// painters place them on the picture after everything else; a writer of
// another format can write the same list.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QTransform>
#include <vector>

#include "drawing_style.h"
#include "geometry/member_lines.h"
#include "geometry/plane.h"
#include "label_layout.h"
#include "model/arrangement.h"
#include "ship/ship_data.h"
#include "view/display_options.h"

namespace korain {

// How a label stands to its world point.
enum class LabelPlace {
  Over,     // centred just above the point (a bulkhead's name over its contour)
  Beside,   // beside the point, clear of its mark (a node's number)
  Centred,  // on the point (a strake's texts at its middle), or up to `to` above or below it
  Along,    // along the line from `at` to `to` (a stiffener's scantling)
};

struct DrawingLabel {
  QString text;
  PlanePoint at;
  PlanePoint to;  // the line's other end along a line; how far a centred label may move
  QColor colour;
  LabelRank kind;
  LabelPlace place;
  // Along a line: the other lines it may stand along when its own has no
  // room, in order (a stiffener's other spans of its scantling).
  std::vector<PlaneSegment> further = {};
  // Along a line, for a group of stiffeners: one line of each, whose extent
  // the label marks across them.
  std::vector<PlaneSegment> group = {};
  // Centred: the other points it may stand on, nearest first (the middles
  // between the stiffeners crossing a strake).
  std::vector<PlanePoint> beside = {};
};
using DrawingLabels = std::vector<DrawingLabel>;

// What the labels are made from besides the bulkheads.
struct LabelSource {
  const ShipData& ship;
  const DisplayOptions& options;
  const DrawingStyle& style;
  // Whether the current bulkhead stands out (on screen, not in exports and prints).
  bool showsSelection = true;
};

// The labels of one bulkhead, for what the display options show of it: its
// name; its node numbers; with the strakes, each strake's thickness and,
// where it differs from the bulkhead's, its material; with the scantlings and
// the stiffeners, each stiffener's scantling along it (a span with its own
// scantling carries the span's), each fitted bracket's scantling and each
// span bracket's length. Neighbouring stiffeners with the same text share
// one label for their group, its count before the text ("9 × ...").
DrawingLabels bulkheadLabels(const Bulkhead& bulkhead, Emphasis emphasis,
                             const LabelSource& source);

// Every bulkhead's labels, the current one's last.
DrawingLabels drawingLabels(const Arrangement& arrangement, const LabelSource& source);

// Hands the labels to the layout at their places on the device.
void addLabels(LabelLayout& layout, const DrawingLabels& labels, const QTransform& toDevice,
               const DrawingStyle& style);

}  // namespace korain
