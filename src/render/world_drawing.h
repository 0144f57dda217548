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
  Dimensions
};
inline constexpr std::size_t kWorldLayerCount = 12;

// The layer's name in a CAD file.
const char* worldLayerName(WorldLayer layer);

// A polyline (a line when it has two straight points); its colour is the
// layer's unless the check display gives it one.
struct WorldPath {
  WorldLayer layer;
  ContourPath path;
  bool closed = false;
  QColor colour{};
};

struct WorldCircle {
  WorldLayer layer;
  PlanePoint centre;
  double radius = 0;
};

// A label centred on its place, `height` the height of its capitals (m).
struct WorldText {
  QString text;
  PlanePoint centre;
  double height = 0;
  QColor colour;
};

// A dimension chain's spacing text, centred on its place and turned by
// `rotation` degrees anticlockwise; on the dimensions layer.
struct WorldDimensionText {
  QString text;
  PlanePoint centre;
  double height = 0;
  double rotation = 0;
};

struct WorldDrawing {
  std::vector<WorldPath> paths;
  std::vector<WorldCircle> circles;
  std::vector<WorldText> texts;
  std::vector<WorldDimensionText> dimensionTexts;
  std::array<QColor, kWorldLayerCount> layerColours{};
};

// The scene as drawn on a picture of `size` pixels at the screen's
// resolution, which places the labels and sizes the node marks and texts.
WorldDrawing worldDrawing(const DrawingScene& scene, QSize size);

}  // namespace korain
