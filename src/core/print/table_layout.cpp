// Measuring a report table's cells and placing its columns so that no two cells touch.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/table_layout.h"

#include <algorithm>

#include "print/font_change.h"
#include "print/print_text.h"

namespace korain {
namespace {

// Enough for any table: each round resolves every line it meets, and a move
// never brings two cells closer.
constexpr int kMaxRounds = 64;
constexpr double kTolerance = 1e-9;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// The width of the cell's text and of its part before the ".", in its font.
struct Measure {
  double width = 0;
  double beforePoint = 0;
};

Measure measure(PrintSurface& surface, const TableCell& cell) {
  PrintFont font = surface.font();
  font.Italic = font.Italic || cell.FontSlant == Slant::Italic;
  const FontChange change(surface, font);
  const double width = surface.textWidth(cell.Text);
  const std::size_t point = cell.Text.find('.');
  const double beforePoint = point == std::string::npos
                                 ? width
                                 : surface.textWidth(std::string_view(cell.Text).substr(0, point));
  return {width, beforePoint};
}

}  // namespace

TableCell cell(int column, CellAlign align, std::string text, Slant slant) {
  return {column, column, align, std::move(text), slant};
}

TableCell spanCell(int first, int last, CellAlign align, std::string text, Slant slant) {
  return {first, last, align, std::move(text), slant};
}

TableLayout::TableLayout(PrintSurface& surface, const std::vector<int>& tabs,
                         const std::vector<TableLine>& lines) {
  for (const int tab : tabs) tabXs_.push_back(tabX(surface, tab));
  anchors_ = tabXs_;
  values_.assign(tabXs_.size(), Extent{});
  std::vector<std::vector<double>> widths;
  std::vector<std::vector<double>> beforePoints;
  for (const TableLine& line : lines) {
    widths.emplace_back();
    beforePoints.emplace_back();
    for (const TableCell& c : line) {
      const Measure m = measure(surface, c);
      widths.back().push_back(m.width);
      beforePoints.back().push_back(m.beforePoint);
    }
  }
  measureValues(lines, widths, beforePoints);
  const double blank = surface.textWidth(" ");
  for (int round = 0; round < kMaxRounds; ++round) {
    if (!separate(lines, widths, beforePoints, blank)) break;
  }
  ruleWidth_ = anchors_.empty() ? 0 : anchors_.back();
  for (std::size_t l = 0; l < lines.size(); ++l) {
    for (std::size_t k = 0; k < lines[l].size(); ++k) {
      ruleWidth_ =
          std::max(ruleWidth_, extentOf(lines[l][k], widths[l][k], beforePoints[l][k]).right);
    }
  }
}

double TableLayout::shift(int column) const {
  return anchors_.at(at(column)) - tabXs_.at(at(column));
}

void TableLayout::measureValues(const std::vector<TableLine>& lines,
                                const std::vector<std::vector<double>>& widths,
                                const std::vector<std::vector<double>>& beforePoints) {
  std::vector<bool> seen(values_.size(), false);
  for (std::size_t l = 0; l < lines.size(); ++l) {
    for (std::size_t k = 0; k < lines[l].size(); ++k) {
      const TableCell& c = lines[l][k];
      if (c.Align == CellAlign::Head || c.First != c.Last) continue;
      const double a = anchor(c.First);
      const Extent e = extentOf(c, widths[l][k], beforePoints[l][k]);
      Extent& v = values_.at(at(c.First));
      const Extent relative{e.left - a, e.right - a};
      v = seen[at(c.First)]
              ? Extent{std::min(v.left, relative.left), std::max(v.right, relative.right)}
              : relative;
      seen[at(c.First)] = true;
    }
  }
}

TableLayout::Extent TableLayout::extentOf(const TableCell& c, double width,
                                          double beforePoint) const {
  const double a = anchor(c.First);
  switch (c.Align) {
    case CellAlign::Left:
      return {a, a + width};
    case CellAlign::Right:
      return {a - width, a};
    case CellAlign::Centre:
      return {a - width / 2, a + width / 2};
    case CellAlign::Decimal:
      return {a - beforePoint, a - beforePoint + width};
    case CellAlign::Head:
      break;
  }
  const double centre =
      (a + values_.at(at(c.First)).left + anchor(c.Last) + values_.at(at(c.Last)).right) / 2;
  return {centre - width / 2, centre + width / 2};
}

bool TableLayout::separate(const std::vector<TableLine>& lines,
                           const std::vector<std::vector<double>>& widths,
                           const std::vector<std::vector<double>>& beforePoints, double blank) {
  bool moved = false;
  for (std::size_t l = 0; l < lines.size(); ++l) {
    const TableLine& line = lines[l];
    std::vector<std::size_t> order(line.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return line[a].First < line[b].First; });
    // Nothing stands left of the margin: a head wider than the values of the
    // first column moves the columns right instead.
    if (!order.empty()) {
      const std::size_t first = order.front();
      const double left = extentOf(line[first], widths[l][first], beforePoints[l][first]).left;
      if (left < -kTolerance) {
        for (std::size_t c = at(line[first].First); c < anchors_.size(); ++c) anchors_[c] -= left;
        moved = true;
      }
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
      const std::size_t p = order[i - 1];
      const std::size_t q = order[i];
      if (line[q].First <= line[p].Last) continue;
      const double right = extentOf(line[p], widths[l][p], beforePoints[l][p]).right;
      const double left = extentOf(line[q], widths[l][q], beforePoints[l][q]).left;
      const double need = right + blank - left;
      if (need <= kTolerance) continue;
      for (std::size_t c = at(line[q].First); c < anchors_.size(); ++c) anchors_[c] += need;
      moved = true;
    }
  }
  return moved;
}

void TableLayout::print(PrintSurface& surface, const TableLine& line) const {
  for (const TableCell& c : line) {
    PrintFont font = surface.font();
    font.Italic = font.Italic || c.FontSlant == Slant::Italic;
    const FontChange change(surface, font);
    const Measure m = measure(surface, c);
    surface.setX(extentOf(c, m.width, m.beforePoint).left);
    surface.print(c.Text);
  }
  surface.setX(0);
}

}  // namespace korain
