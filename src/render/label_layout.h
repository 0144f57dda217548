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
#include <cstddef>
#include <optional>
#include <vector>

namespace korain {

// Whether a label with no free place gives way (left out: the screen, where a
// small window would pile labels up) or is drawn all the same (exported and
// printed drawings keep every label).
enum class LabelPolicy { GiveWay, KeepAll };

// Which labels give way first: they are placed from the first kind to the
// last, so node numbers yield first, then bracket texts, strake texts and
// scantlings, and the axis values last. A label with no free place may move
// a few placed ones to other free places of theirs to make room. Bulkhead names are always drawn;
// bracket texts only where there is room, on every device, since a bracket is
// too short to hold its text beside the stiffener's own.
enum class LabelRank { BulkheadName, Axis, Scantling, Strake, Bracket, NodeNumber };

// A label as drawn: its text, the box of its halo (device pixels), its colour
// and rank, whether it reads upwards (turned a quarter left) and its font.
struct PlacedLabel {
  QString text;
  QRectF box;
  QColor colour;
  LabelRank rank;
  bool upright = false;
  QFont font{};
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
  // A label centred on a point (a strake's thickness), else moved up or down
  // from it within `reach` (at least a text's height).
  void addCentred(const QString& text, const QFont& font, const QColor& colour, QPointF centre,
                  double reach, LabelRank rank);
  // A label written along a line (a stiffener's): read from left to right
  // along a line nearer the horizontal, from bottom to top along the others,
  // beside the line at its middle, else further along it up to either end,
  // on either side; failing those, within each of the `further` lines in
  // turn (the stiffener's other spans), and only then reaching past the
  // lines' ends.
  void addAlong(const QString& text, const QFont& font, const QColor& colour, QLineF line,
                double gap, LabelRank rank, const std::vector<QLineF>& further = {});
  // A box no label may cover (the legend).
  void reserve(const QRectF& box) { taken_.push_back(box); }

  // Places the labels rank by rank, draws each on its halo and says where.
  // Where every label is kept, one with no free place takes the place that
  // the others cover least.
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

  static constexpr std::size_t kUnplaced = static_cast<std::size_t>(-1);

  bool drawnAnyway(const Label& label) const;
  static void drawText(QPainter& painter, const Label& label, const QRectF& box);

  void place(std::size_t label);
  std::optional<std::size_t> firstFree(std::size_t label) const;
  bool makeRoom(std::size_t label, std::size_t place);
  bool moveAway(std::size_t label);
  std::size_t leastCovered(std::size_t label) const;

  QRectF inside(QRectF box) const;
  QRectF haloOf(const QRectF& textBox, bool upright) const;
  QRectF haloAt(std::size_t label, std::size_t place) const;
  bool isReserved(const QRectF& halo) const;
  std::vector<std::size_t> placedUnder(const QRectF& halo) const;
  double coverOf(const QRectF& halo) const;

  QRectF bounds_;
  LabelPolicy policy_;
  double pixelsPerPoint_;
  std::vector<Label> labels_;
  std::vector<QRectF> taken_;
  std::vector<std::size_t> chosen_;  // each label's place, kUnplaced while it has none
};

}  // namespace korain
