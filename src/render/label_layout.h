// Places labels on a drawing so that they do not sit on top of each other.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <utility>
#include <vector>

namespace korain {

// What becomes of a label that finds no free place.
enum class WhenCrowded { LeaveOut, DrawAnyway };

class LabelLayout {
 public:
  // `placed`: the boxes of labels already on the drawing, to keep clear of.
  explicit LabelLayout(QPainter& painter, std::vector<QRectF> placed = {})
      : painter_(painter), taken_(std::move(placed)) {}

  // Draws the text near the anchor (device coordinates): right and above, else
  // right and below, left and above, left and below, the first place that
  // overlaps no label drawn before. When every place overlaps, the label is
  // left out or drawn at the first place, as `crowded` says. True when drawn.
  bool place(const QString& text, const QFont& font, QPointF anchor, double gap,
             WhenCrowded crowded);

  // Draws the text centred on the point when it overlaps no label; true when drawn.
  bool placeCentred(const QString& text, const QFont& font, QPointF centre);

  // The boxes of every label drawn, those given at the start included.
  const std::vector<QRectF>& placed() const { return taken_; }

 private:
  bool isFree(const QRectF& box) const;
  void draw(const QString& text, const QFont& font, const QRectF& box);

  QPainter& painter_;
  std::vector<QRectF> taken_;
};

}  // namespace korain
