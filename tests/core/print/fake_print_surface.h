// A print surface that records what is drawn where, with fixed metrics: in
// 10 points a character is 0.25 cm wide and a line 0.5 cm high (both scale with
// the size), on a printable area of 20 x 28 cm.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "print/print_surface.h"

namespace korain::testing {

inline constexpr double kNear = 1e-9;

enum class DrawnKind { Text, Line, Rect, Picture };

// Positions are from the printable area's left edge, as the surface draws them.
struct Drawn {
  DrawnKind Kind = DrawnKind::Text;
  int Page = 1;
  double X = 0;
  double Y = 0;
  double X2 = 0;  // lines: the second point; rectangles: width and height
  double Y2 = 0;
  std::string Text;
  PrintFont Font;
};

class FakePrintSurface : public PrintSurface {
 public:
  explicit FakePrintSurface(SurfaceKind kind = SurfaceKind::Printer) : kind_(kind) {}

  std::vector<Drawn> drawn;
  bool visible = true;
  bool ended = false;

  SurfaceKind kind() const override { return kind_; }
  bool isVisible() const override { return visible; }
  double height() const override { return 28; }
  double textWidth(std::string_view text) const override {
    // UTF-8 characters: every byte that does not continue a sequence.
    double count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count * averageCharWidth();
  }
  double textHeight(std::string_view) const override { return 0.05 * font().Size; }
  double averageCharWidth() const override { return 0.025 * font().Size; }
  void endDocument() override { ended = true; }
  void moveTo(double x, double y) {
    setX(x);
    setY(y);
  }

  std::vector<Drawn> texts() const { return of(DrawnKind::Text); }
  std::vector<Drawn> lines() const { return of(DrawnKind::Line); }
  // The one text drawn with these characters; fails the test otherwise.
  Drawn text(std::string_view wanted) const {
    EXPECT_EQ(pagesOf(wanted).size(), 1U) << "text \"" << wanted << "\"";
    const std::vector<Drawn> all = texts();
    const auto found = std::ranges::find(all, wanted, &Drawn::Text);
    return found == all.end() ? Drawn{} : *found;
  }
  // The pages of every text drawn with these characters, in drawing order.
  std::vector<int> pagesOf(std::string_view wanted) const {
    std::vector<int> pages;
    for (const Drawn& d : texts()) {
      if (d.Text == wanted) pages.push_back(d.Page);
    }
    return pages;
  }

 protected:
  double areaWidth() const override { return 20; }
  void applyFont(const PrintFont&) override {}
  void drawTextAt(double x, double y, std::string_view text) override {
    drawn.push_back({DrawnKind::Text, pageNumber(), x, y, 0, 0, std::string(text), font()});
  }
  void drawLineAt(double x1, double y1, double x2, double y2) override {
    drawn.push_back({DrawnKind::Line, pageNumber(), x1, y1, x2, y2, {}, font()});
  }
  void drawRectAt(double x, double y, double width, double height) override {
    drawn.push_back({DrawnKind::Rect, pageNumber(), x, y, width, height, {}, font()});
  }
  void drawPictureAt(const ReportPicture& picture, double x, double y, double width,
                     double height) override {
    const std::string name = picture.kind == ReportPicture::Kind::Logo
                                 ? "logo"
                                 : "bulkhead " + std::to_string(picture.bulkhead);
    drawn.push_back({DrawnKind::Picture, pageNumber(), x, y, width, height, name, font()});
  }
  void startPage() override {}

 private:
  std::vector<Drawn> of(DrawnKind kind) const {
    std::vector<Drawn> found;
    std::ranges::copy_if(drawn, std::back_inserter(found),
                         [kind](const Drawn& d) { return d.Kind == kind; });
    return found;
  }

  SurfaceKind kind_;
};

// Whether (x, y) is (wantedX, wantedY), to within kNear.
inline ::testing::AssertionResult samePoint(double x, double y, double wantedX, double wantedY) {
  const bool same = std::abs(x - wantedX) <= kNear && std::abs(y - wantedY) <= kNear;
  return (same ? ::testing::AssertionSuccess() : ::testing::AssertionFailure())
         << "(" << x << ", " << y << ") for (" << wantedX << ", " << wantedY << ")";
}
inline ::testing::AssertionResult drawnAt(const Drawn& d, double x, double y) {
  return samePoint(d.X, d.Y, x, y) << " \"" << d.Text << "\"";
}
inline ::testing::AssertionResult isAt(const PrintSurface& surface, double x, double y) {
  return samePoint(surface.x(), surface.y(), x, y);
}
// Whether the line runs level at y from x1 to x2.
inline ::testing::AssertionResult levelLine(const Drawn& d, double x1, double x2, double y) {
  const ::testing::AssertionResult start = samePoint(d.X, d.Y, x1, y);
  return start ? samePoint(d.X2, d.Y2, x2, y) : start;
}

}  // namespace korain::testing
