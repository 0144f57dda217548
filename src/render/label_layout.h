// Places the labels of a drawing after everything else is drawn, each on a
// halo of the background so that no line crosses its text, and never on top
// of another label, the legend or outside the picture.
#pragma once

#include <QColor>
#include <QFont>
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
// last, so node numbers yield before thickness labels, and those before the
// axis values. Bulkhead names are always drawn.
enum class LabelRank { BulkheadName, Axis, Thickness, NodeNumber };

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
  // A box no label may cover (the legend).
  void reserve(const QRectF& box) { taken_.push_back(box); }

  // Places the labels rank by rank, draws each on its halo and says where.
  PlacedLabels paint(QPainter& painter, const QColor& halo);

 private:
  struct Label {
    QString text;
    QFont font;
    QColor colour;
    std::vector<QRectF> places;  // the text's box at each place, in order of preference
    LabelRank rank;
  };

  QRectF inside(QRectF box) const;
  QRectF haloOf(const QRectF& textBox) const;
  bool isFree(const QRectF& halo) const;

  QRectF bounds_;
  LabelPolicy policy_;
  double pixelsPerPoint_;
  std::vector<Label> labels_;
  std::vector<QRectF> taken_;
};

}  // namespace korain
