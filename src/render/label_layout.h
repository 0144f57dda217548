// Places the labels of a drawing after everything else is drawn, each on a
// halo of the background that masks the fills under its text, never on top of
// another label, a structure line, the legend or outside the picture; the
// labels that find no room are listed in a note on the picture.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>
#include <vector>

namespace korain {

// What the note says of the labels with no free place: the screen, where a
// small window has room for few of them, counts them (zooming in shows
// them); exported and printed drawings, which must not lose one, list them;
// the report's small pictures count them, the report's tables giving every
// value.
enum class LabelPolicy { GiveWay, KeepAll, CountForTables };

// Which labels give way first: they are placed from the first kind to the
// last, so node numbers yield first, then bracket texts, strake texts and
// scantlings, and the axis values last. A label with no free place may move
// a few placed ones to other free places of theirs to make room. Bulkhead
// names are always drawn. The note of the labels without room comes last.
enum class LabelRank { BulkheadName, Axis, Scantling, Strake, Bracket, NodeNumber, Note };

// A label as drawn: its text, the box of its halo (device pixels), its colour
// and rank, whether it reads upwards (turned a quarter left) and its font;
// for a label standing for a group of stiffeners, the thin lines that mark
// the group's extent across them.
struct PlacedLabel {
  QString text;
  QRectF box;
  QColor colour;
  LabelRank rank;
  bool upright = false;
  QFont font{};
  std::vector<QLineF> marks = {};
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
  // from it within `reach` (at least a text's height); failing those, on each
  // of the points `beside` in turn (the middles between the stiffeners
  // crossing a strake), level or turned upright to fit between them; last,
  // level beyond the centre, a mark leading from the centre to it.
  void addCentred(const QString& text, const QFont& font, const QColor& colour, QPointF centre,
                  double reach, LabelRank rank, const std::vector<QPointF>& beside = {});
  // A label written along a line (a stiffener's): read from left to right
  // along a line nearer the horizontal, from bottom to top along the others,
  // beside the line at its middle, else further along it up to either end,
  // on either side; failing those, within each of the `further` lines in
  // turn (the stiffener's other spans), and only then reaching past the
  // lines' ends; last, level beyond the outermost line, the mark across the
  // lines leading to it. A label for a `group` of stiffeners marks, across
  // their lines, the extent of the group at the level where it stands.
  void addAlong(const QString& text, const QFont& font, const QColor& colour, QLineF line,
                double gap, LabelRank rank, const std::vector<QLineF>& further = {},
                const std::vector<QLineF>& group = {});
  // A box no label may cover (the legend).
  void reserve(const QRectF& box) { taken_.push_back(box); }
  // A box of text no label may cover and no label's mark may cross (a
  // dimension's text, the legend).
  void reserveText(const QRectF& box) {
    taken_.push_back(box);
    texts_.push_back(box);
  }
  // A structure line no label may cover.
  void avoid(const QLineF& line) { lines_.push_back(line); }

  // Places the labels rank by rank, draws each on its halo and says where;
  // the labels with no free place go into the note. A halo that must stand
  // on a line all the same (a name's) leaves the line whole.
  PlacedLabels paint(QPainter& painter, const QColor& halo);

 private:
  static constexpr std::size_t kRoomMoves = 200;
  static constexpr std::size_t kUnplaced = static_cast<std::size_t>(-1);

  struct Place {
    QRectF box;            // the text's box
    bool upright = false;  // turned a quarter left, its box as tall as the text is long
  };
  struct Label {
    QString text;
    QFont font;
    QColor colour;
    std::vector<Place> places;  // in order of preference
    LabelRank rank;
    std::vector<QLineF> group = {};       // the lines it stands for, marked across them
    bool linesUpright = false;            // its lines nearer the vertical
    std::size_t firstLeader = kUnplaced;  // its first place beyond the lines, led to by the mark
  };

  static void drawText(QPainter& painter, const Label& label, const Place& place);
  void addShifted(Label& label, QPointF centre, QSizeF size, double reach, bool upright) const;
  void addLeaderPlaces(Label& label, QSizeF size, double gap) const;
  bool isMarked(std::size_t label, std::size_t place) const;
  QLineF markAt(std::size_t label, std::size_t place) const;
  std::vector<QLineF> marksOf(std::size_t label) const;
  bool crossesMark(std::size_t label, std::size_t place, const QRectF& halo) const;
  bool markCrossesText(std::size_t label, std::size_t place) const;
  void paintHalo(QPainter& painter, const QRectF& box) const;
  // The note of the labels without room: its lines, as drawn, and its box.
  struct Note {
    QStringList lines;
    QFont font;
    QColor colour;
    QRectF box;
    double margin = 0;
  };
  std::optional<Note> note() const;
  std::optional<Note> clearNoteCorner();
  void paintNote(const Note& note, PlacedLabels& placed, QPainter& painter) const;
  QRectF noteBox(QSizeF size, double margin) const;

  void findNearLines();
  void place(std::size_t label);
  bool isFree(std::size_t label, std::size_t place) const;
  std::optional<std::size_t> firstFree(std::size_t label) const;
  bool makeRoom(std::size_t label, std::size_t place);
  bool moveAway(std::size_t label);
  std::size_t leastCovered(std::size_t label) const;

  QRectF inside(QRectF box) const;
  QRectF haloOf(const Place& place) const;
  QRectF haloAt(std::size_t label, std::size_t place) const;
  bool isReserved(const QRectF& halo) const;
  bool crossesLine(std::size_t label, const QRectF& halo) const;
  std::vector<std::size_t> placedUnder(const QRectF& halo) const;
  double coverOf(const QRectF& halo) const;

  QRectF bounds_;
  LabelPolicy policy_;
  double pixelsPerPoint_;
  std::vector<Label> labels_;
  std::vector<QRectF> taken_;
  std::vector<QRectF> texts_;  // the reserved boxes that hold texts
  // How many more times labels may be moved to make room for another: each
  // try walks the places of the labels moved, so that a crowded drawing, where
  // many labels find no room, would otherwise take seconds.
  std::size_t roomMoves_ = kRoomMoves;
  std::vector<QLineF> lines_;
  std::vector<std::vector<std::size_t>> nearLines_;  // each label's lines near its places
  std::vector<std::size_t> chosen_;  // each label's place, kUnplaced while it has none
};

}  // namespace korain
