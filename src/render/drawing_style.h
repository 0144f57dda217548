// Line weights, colours and label fonts of the drawing, for one surface.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>

#include "view/display_config.h"

namespace korain {

// Whether a line belongs to the current object, which is drawn stronger.
enum class Emphasis { Normal, Current };
inline Emphasis emphasisOf(bool current) { return current ? Emphasis::Current : Emphasis::Normal; }

// The four kinds of label, each with its size in the display settings.
enum class LabelKind { BulkheadName, Node, Stiffener, AxisAndStrake };

class DrawingStyle {
 public:
  // `pixelsPerPoint` converts the typographic point (1/72 inch) into device
  // pixels, so that line weights and labels keep their size on paper.
  // On a device of `deviceColours` colours (256 or fewer), colours that equal
  // the system's button face or window are replaced (device_colours.h).
  DrawingStyle(const DisplayConfig& labels, double pixelsPerPoint, long deviceColours = 1L << 24);

  QPen hullPen() const;
  QPen contourPen(Emphasis emphasis) const;
  QPen stoolPen() const;
  QPen memberPen(Emphasis emphasis) const;
  QPen stiffenerPen(Emphasis emphasis) const;
  QPen colouredSpanPen(const QColor& colour) const;
  // The members drawn thin as the spans' supports, and the marks where a span ends on one.
  QPen supportPen() const;
  // The span of the current support interval of a selected stiffener.
  QPen currentSpanPen() const;
  // A stiffener the wizard would add, not yet made.
  QPen previewPen() const;
  QPen strakeEdgePen() const;
  QPen corrugationPen() const;
  QPen axisPen() const;
  QPen nodePen(Emphasis emphasis) const;
  // The colour of the current object's lines, marks and name.
  QColor currentColour() const;
  QColor nodeFill() const;
  QColor strakeFill() const;
  QColor currentStrakeFill() const;
  // A check value's colour as the drawing shows it, in a fill and in its
  // legend swatch alike, so that the two always match.
  QColor checkColour(const QColor& paletteColour) const;
  QColor labelColour() const;
  // The picture's background, which each label also stands on, so that no
  // line crosses its text.
  QColor backgroundColour() const;
  double nodeRadius() const;
  double tickLength() const;
  double pixelsPerPoint() const { return pixelsPerPoint_; }

  QFont font(LabelKind kind) const;

 private:
  QPen pen(const QColor& colour, double points, Qt::PenStyle style = Qt::SolidLine) const;
  QColor shown(const QColor& colour) const;

  DisplayConfig labels_;
  double pixelsPerPoint_;
  long deviceColours_;
};

}  // namespace korain
