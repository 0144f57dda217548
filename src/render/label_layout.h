// Places the labels of a drawing after everything else is drawn, each on a
// halo of the background so that no line crosses its text, and never on top
// of another label, the legend or outside the picture.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

namespace korain {

// Whether a label with no free place gives way (left out: the screen, where a
// small window would pile labels up) or is drawn all the same (exported and
// printed drawings keep every label).
enum class LabelPolicy { GiveWay, KeepAll };

// Which labels give way first: they are placed from the first kind to the
// last, so node numbers yield first, then bracket texts, strake texts and
// scantlings, and the axis values last. Bulkhead names are always drawn;
// bracket texts only where there is room, on every device, since a bracket is
// too short to hold its text beside the stiffener's own.
enum class LabelRank { BulkheadName, Axis, Scantling, Strake, Bracket, NodeNumber };

// A label as drawn: its text, the box of its halo (device pixels), its colour and rank.
struct PlacedLabel {
  QString text;
  QRectF box;
  QColor colour;
  LabelRank rank;
};
using PlacedLabels = std::vector<PlacedLabel>;

class LabelLayout {
 public:
  // `bounds` is the picture: every label is moved inside it whole.
  LabelLayout(QRectF bounds, LabelPolicy policy, double pixelsPerPoint)
      : bounds_(bounds), policy_(policy), pixelsPerPoint_(pixelsPerPoint) {}

  // A label beside its anchor: right and above, else right and below, left
  // and above, left and below, then above, below, right or left of it.
  void add(const QString& text, const QFont& font, const QColor& colour, QPointF anchor, double gap,
           LabelRank rank);
  // A label centred on a point (a strake's thickness), or just above or below it.
  void addCentred(const QString& text, const QFont& font, const QColor& colour, QPointF centre,
                  LabelRank rank);
  // A label written along a line (a stiffener's): read from left to right
  // along a line nearer the horizontal, from bottom to top along the others,
  // beside the line at its middle, else nearer one end, on either side.
  void addAlong(const QString& text, const QFont& font, const QColor& colour, QLineF line,
                double gap, LabelRank rank);
  // A box no label may cover (the legend).
  void reserve(const QRectF& box) { taken_.push_back(box); }

  // Places the labels rank by rank (every label kept: the least movable
  // first), draws each on its halo and says where.
  PlacedLabels paint(QPainter& painter, const QColor& halo);

 private:
  struct Label {
    QString text;
    QFont font;
    QColor colour;
    std::vector<QRectF> places;  // the text's box at each place, in order of preference
    LabelRank rank;
    bool upright = false;  // turned a quarter left, its box as tall as the text is long
  };

  bool drawnAnyway(const Label& label) const;
  static void drawText(QPainter& painter, const Label& label, const QRectF& box);

  QRectF inside(QRectF box) const;
  QRectF haloOf(const QRectF& textBox, bool upright) const;
  bool isFree(const QRectF& halo) const;

  QRectF bounds_;
  LabelPolicy policy_;
  double pixelsPerPoint_;
  std::vector<Label> labels_;
  std::vector<QRectF> taken_;
};

}  // namespace korain
