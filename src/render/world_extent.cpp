// The box that holds every vertex, arc, circle and text of a world drawing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "world_extent.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korain {
namespace {

double angleOf(PlanePoint from, PlanePoint to) { return std::atan2(to.z - from.z, to.y - from.y); }

// The arc from `a` to `b` turning by 4 atan(bulge), anticlockwise when the
// bulge is positive: its ends and every quarter point of its circle it passes.
void addArc(PlaneBounds& bounds, PlanePoint a, PlanePoint b, double bulge) {
  const double sweep = 4 * std::atan(bulge);
  const double chord = std::hypot(b.y - a.y, b.z - a.z);
  if (chord == 0) return;
  const double radius = chord / (2 * std::sin(std::abs(sweep) / 2));
  // The centre lies off the chord's middle, on the side the arc turns to.
  const double offset = radius * std::cos(sweep / 2) * (sweep > 0 ? 1 : -1);
  const PlanePoint middle{(a.y + b.y) / 2, (a.z + b.z) / 2};
  const PlanePoint centre{middle.y - offset * (b.z - a.z) / chord,
                          middle.z + offset * (b.y - a.y) / chord};
  const double start = angleOf(centre, a);
  for (int quarter = 0; quarter < 4; ++quarter) {
    const double angle = quarter * std::numbers::pi / 2;
    double turned = sweep > 0 ? angle - start : start - angle;
    turned = std::fmod(turned + 4 * std::numbers::pi, 2 * std::numbers::pi);
    if (turned < std::abs(sweep)) {
      bounds.add({centre.y + radius * std::cos(angle), centre.z + radius * std::sin(angle)});
    }
  }
}

void addPath(PlaneBounds& bounds, const WorldPath& path) {
  const std::size_t count = path.path.size();
  for (std::size_t i = 0; i < count; ++i) {
    const PathVertex& v = path.path[i];
    bounds.add(v.point);
    const bool last = i + 1 == count;
    if (v.bulge == 0 || (last && !path.closed)) continue;
    addArc(bounds, v.point, path.path[last ? 0 : i + 1].point, v.bulge);
  }
}

// The text's box: its length along the baseline's direction from its place
// (from its middle or its left end), its height across, centred on its place.
void addText(PlaneBounds& bounds, const WorldText& text) {
  const double angle = text.rotation * std::numbers::pi / 180;
  const PlanePoint along{std::cos(angle) * text.length / 2, std::sin(angle) * text.length / 2};
  const PlanePoint across{-std::sin(angle) * text.height / 2, std::cos(angle) * text.height / 2};
  const double from = text.anchor == TextAnchor::Left ? 1.0 : 0.0;
  for (const double a : {from - 1.0, from + 1.0}) {
    for (const double c : {-1.0, 1.0}) {
      bounds.add(
          {text.place.y + a * along.y + c * across.y, text.place.z + a * along.z + c * across.z});
    }
  }
}

}  // namespace

WorldWindow worldExtent(const WorldDrawing& drawing) {
  PlaneBounds bounds;
  for (const WorldPath& path : drawing.paths) addPath(bounds, path);
  for (const WorldCircle& circle : drawing.circles) {
    bounds.add({circle.centre.y - circle.radius, circle.centre.z - circle.radius});
    bounds.add({circle.centre.y + circle.radius, circle.centre.z + circle.radius});
  }
  for (const WorldText& text : drawing.texts) addText(bounds, text);
  return bounds.exact();
}

}  // namespace korain
