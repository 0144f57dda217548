// The drawing of an editor's window, which keeps its background (everything
// but the current bulkhead) as a picture for as long as what it shows stays
// the same: an edit of the current bulkhead then paints that bulkhead only.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <cstdint>
#include <vector>

#include "arrangement_painter.h"

namespace korain {

class CachedDrawing {
 public:
  // Paints as paintArrangement does. `versions` gives, for each bulkhead, a
  // number that changes whenever its data or computed geometry change.
  void paint(QPainter& painter, const QRectF& device, const WorldWindow& window,
             const DrawingScene& scene, double pixelsPerPoint,
             const std::vector<std::uint64_t>& versions);

  // Whether the last paint could use the kept background.
  bool reusedBackground() const { return reused_; }

 private:
  // Everything the background depends on.
  struct Key {
    QRectF device;
    double devicePixelRatio = 0;
    double left = 0;
    double bottom = 0;
    double width = 0;
    double height = 0;
    double pixelsPerPoint = 0;
    const Section* section = nullptr;
    Single x = 0;
    Long symFlag = 0;
    Long displayWord = 0;
    Long checkMode = 0;
    List<Long> palette;
    DisplayConfig labels;
    Integer current = 0;
    // The versions of the bulkheads drawn in it (the current one's left at 0).
    std::vector<std::uint64_t> versions;

    bool operator==(const Key&) const = default;
  };

  static Key keyOf(const QPainter& painter, const QRectF& device, const WorldWindow& window,
                   const DrawingScene& scene, double pixelsPerPoint,
                   std::vector<std::uint64_t> versions);

  Key key_;
  QImage background_;
  DrawingLabels labels_;  // the background's, drawn over the foreground
  bool reused_ = false;
};

}  // namespace korain
