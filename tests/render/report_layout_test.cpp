// The data report laid out in the fonts the report is printed in: on every
// page, no two texts of a line touch, nothing runs past the printable width
// or past the rule of its table. The fonts are those scripts/setup-debian
// installs (Liberation Sans for Arial), so the measures hold on every machine.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <sstream>

#include "example_scene.h"
#include "print_surface_qt.h"
#include "report/data_report.h"

namespace korain::testing {
namespace {

constexpr double kEpsilon = 1e-6;
constexpr double kDotsPerCm = 600 / 2.54;

struct Recorded {
  int page = 0;
  double x = 0;  // from x = 0 of the report, centimetres
  double y = 0;
  double width = 0;
  double height = 0;
  std::string text;
  bool bold = false;
  double blank = 0;  // the width of a blank in the text's font
  double right() const { return x + width; }
};

struct Rule {
  int page = 0;
  double y = 0;
  double x2 = 0;
};

// An A4 sheet as the PDF document has it, measured at the PDF's 600 dots an
// inch, with every text and rule recorded instead of painted.
class RecordingSurface final : public PainterPrintSurface {
 public:
  RecordingSurface()
      : PainterPrintSurface(SurfaceKind::Printer, QRectF(0, 0, 20 * kDotsPerCm, 28.7 * kDotsPerCm),
                            kDotsPerCm),
        device_(1, 1, QImage::Format_RGB32) {
    device_.setDotsPerMeterX(static_cast<int>(kDotsPerCm * 100));
    device_.setDotsPerMeterY(static_cast<int>(kDotsPerCm * 100));
    setSheet(21, 0.5);
    beginPainting(device_);
  }
  ~RecordingSurface() override { endPainting(); }

  bool isVisible() const override { return true; }
  void endDocument() override {}

  std::vector<Recorded> runs;
  std::vector<Rule> rules;

 protected:
  // Texts printed one after the other (a label's leader dots, a value and its
  // unit) form one run.
  void drawTextAt(double x, double y, std::string_view text) override {
    const Recorded next{pageNumber(), x - leftMargin(),  y,           textWidth(text),
                        lineHeight(), std::string(text), font().Bold, textWidth(" ")};
    if (!runs.empty() && runs.back().page == next.page && std::abs(runs.back().y - y) < kEpsilon &&
        std::abs(runs.back().right() - next.x) < kEpsilon) {
      runs.back().width += next.width;
      runs.back().text += next.text;
      return;
    }
    runs.push_back(next);
  }
  void drawLineAt(double x1, double y1, double x2, double y2) override {
    // A rule runs from x = 0; the lines under a heading begin at its column.
    if (std::abs(y1 - y2) < kEpsilon && std::abs(x1 - leftMargin()) < kEpsilon) {
      rules.push_back({pageNumber(), y1, x2 - leftMargin()});
    }
  }
  void drawPictureAt(const ReportPicture&, double, double, double, double) override {}
  void startPage() override {}

 private:
  QImage device_;
};

bool shareALine(const Recorded& a, const Recorded& b) {
  return a.page == b.page && std::abs(a.y - b.y) < std::min(a.height, b.height) / 2;
}

// Every fault of the layout, one a line; empty when there is none.
std::string layoutFaults(const RecordingSurface& surface, const PageSetup& setup) {
  std::ostringstream faults;
  const std::vector<Recorded>& runs = surface.runs;
  const double bottom = surface.height() - setup.BottomMargin;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const Recorded& a = runs[i];
    if (a.x < -kEpsilon || a.right() > surface.width() + kEpsilon) {
      faults << "page " << a.page << ": '" << a.text << "' leaves the printable width\n";
    }
    for (std::size_t j = i + 1; j < runs.size(); ++j) {
      const Recorded& b = runs[j];
      if (!shareALine(a, b)) continue;
      const double gap = std::max(b.x - a.right(), a.x - b.right());
      if (gap < std::min(a.blank, b.blank) - kEpsilon) {
        faults << "page " << a.page << ": '" << a.text << "' and '" << b.text << "' touch\n";
      }
    }
    // A table's texts end by its rules; titles and the footer stand apart.
    if (a.bold || a.y > bottom) continue;
    const Rule* above = nullptr;
    for (const Rule& rule : surface.rules) {
      if (rule.page == a.page && rule.y < a.y && (above == nullptr || rule.y > above->y)) {
        above = &rule;
      }
    }
    if (above != nullptr && a.right() > above->x2 + kEpsilon) {
      faults << "page " << a.page << ": '" << a.text << "' runs past its rule\n";
    }
  }
  return faults.str();
}

// Names at the longest a user types them and numbers at the largest they get.
Arrangement stretched() {
  Arrangement arrangement;
  EXPECT_TRUE(readZelBlock(KORAIN_TEST_DATA "/long_names_arrangement.ko2", 1, arrangement).found());
  return computed(arrangement);
}

// The example with profiles at the widest their labels and moduli get, one
// without dimensions (its reason printed), and spans alike far apart.
Arrangement widestProfiles(Arrangement arrangement) {
  List<OrdinaryStiffener>& stiffeners = arrangement.Bulkheads.at(1).Stiffeners;
  for (int k = 1; k <= stiffeners.count(); k += 2) {
    for (StiffenerSpan& span : stiffeners.at(k).Spans) {
      span.HasScantling = true;
      span.Scant = {.Typ = 4, .H1 = 1250.5F, .E1 = 25.5F, .H2 = 450.5F, .E2 = 40.5F};
    }
  }
  stiffeners.at(2).Scant = {.Typ = 5};
  return computed(arrangement);
}

TEST(ReportLayout, NoCellsTouchAndNothingLeavesItsRuleOrThePage) {
  const ExampleScene example(1);
  const std::pair<std::string, Arrangement> arrangements[] = {
      {"example block 1", example.arrangement},
      {"example block 2", ExampleScene(2).arrangement},
      {"long names and large numbers", stretched()},
      {"the widest profiles", widestProfiles(example.arrangement)}};
  ReportRequest everything;
  everything.Items.fill(true);
  everything.DatabaseName = "bulk_carrier.ko2";
  // The section properties at their widest: with the net moduli.
  everything.ThicknessDeduction = 1.5;
  for (const auto& [name, arrangement] : arrangements) {
    RecordingSurface surface;
    PageSetup setup;
    setup.LoginName = "jdoe";
    printReport(surface, setup, arrangement, example.ship, everything);
    ASSERT_GT(surface.pageNumber(), 2) << name;
    EXPECT_EQ(layoutFaults(surface, setup), "") << name;
  }
}

}  // namespace
}  // namespace korain::testing
