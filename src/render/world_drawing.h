// The drawing as world geometry in metres, layer by layer, as a CAD file
// receives it: the same parts, colours and labels as the picture, with arcs
// kept as arcs and lines as lines.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <array>
#include <vector>

#include "arrangement_painter.h"
#include "geometry/contour_path.h"

namespace korain {

enum class WorldLayer {
  Hull,
  Contour,
  Stools,
  Nodes,
  Members,
  Stiffeners,
  Brackets,
  Strakes,
  Corrugation,
  Axis,
  Labels,
  TitleBlock,
  CheckLegend,
  Dimensions
};
inline constexpr std::size_t kWorldLayerCount = 14;

// How a CAD file shows a layer: its name, its colour number of the AutoCAD
// colour index (one that reads on a black and on a white background) and
// whether its lines are centre lines.
struct WorldLayerStyle {
  const char* name;
  int colourNumber;
  bool centreLine;
};
const WorldLayerStyle& worldLayerStyle(WorldLayer layer);

// A polyline (a line when it has two straight points); its colour is the
// layer's unless the check display gives it one. A filled path (a legend's
// swatch) is closed and straight.
struct WorldPath {
  WorldLayer layer;
  ContourPath path;
  bool closed = false;
  QColor colour{};
  bool filled = false;
};

struct WorldCircle {
  WorldLayer layer;
  PlanePoint centre;
  double radius = 0;
};

// Where a text's place is: its middle, or the middle of its left end (the
// lines of a title block, which start at one margin).
enum class TextAnchor { Centre, Left };

// A text at its place (m), its capitals centred up and down on it: `height`
// the height of its capitals, `length` its advance at that height, `rotation`
// in degrees anticlockwise from the y axis (90 for a label that reads
// upwards). Its colour is the layer's unless it shows the current object's.
struct WorldText {
  QString text;
  PlanePoint place;
  TextAnchor anchor = TextAnchor::Centre;
  double height = 0;
  double length = 0;
  double rotation = 0;
  WorldLayer layer = WorldLayer::Labels;
  bool bold = false;
  QColor colour{};
};

struct WorldDrawing {
  std::vector<WorldPath> paths;
  std::vector<WorldCircle> circles;
  std::vector<WorldText> texts;
  // The drawing's scale as the picture showed it: a label of a given size in
  // points takes this many metres for each point.
  double metresPerPoint = 0;
};

// The scene as drawn on a picture of `size` pixels at the screen's
// resolution, which places the labels and sizes the node marks and texts.
WorldDrawing worldDrawing(const DrawingScene& scene, QSize size);

}  // namespace korain
