// The ranges the configuration's numbers may take: one definition, shared by the dialogs
// that enforce them on typing and by the reader that holds "Tessaly.ini" to them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <limits>
#include <string>

namespace korain {

struct ValueRange {
  double minimum = -std::numeric_limits<double>::infinity();
  double maximum = std::numeric_limits<double>::infinity();
  bool whole = false;  // a count, a size or a page: a fraction is refused

  // Whether a value lies inside, a fraction too when whole numbers are asked for. The
  // bounds are taken at the precision of a Single, which the configuration's numbers are
  // kept in, so that the 1.01 a dialog took reads back inside its range.
  bool holds(double value) const;
  // As a message names it: "a number from 0 to 100", "a whole number from 4 to 72",
  // "a whole number", "a number".
  std::string text() const;
};

namespace config_range {

// The family's flags: 0 is no, any other whole number yes.
inline constexpr ValueRange kFlag{.whole = true};
// The drawing settings kept as read, which no dialog edits.
inline constexpr ValueRange kAnyNumber{};

inline constexpr ValueRange kCircleRadius{0.001, 1000};
inline constexpr ValueRange kMouseTolerance{0, 100};
// A factor of 1 would not zoom at all, and one below 1 would swap the zoom buttons.
inline constexpr ValueRange kZoomFactor{1.01, 100};
// Densities of the steels and light alloys hulls are built of, in t/m³.
inline constexpr ValueRange kSteelDensity{1, 20};
// What corrosion takes off a thickness, in mm.
inline constexpr ValueRange kThicknessDeduction{0, 20};
// The drawing's labels and the report's font, in points.
inline constexpr ValueRange kFontSize{4, 72};
inline constexpr ValueRange kLabelSize{4, 72, true};
// Around the section, in percent of its size.
inline constexpr ValueRange kDrawingMargin{0, 400, true};
inline constexpr ValueRange kReductionFactor{0.001, 100};
// The panel column as the user left it, in pixels; 0 lets its panels choose. Wider than
// any panel needs, yet short of what would squeeze the drawing off a large screen.
inline constexpr ValueRange kPanelWidth{0, 2000, true};
// The messages window across the side it is docked on, in pixels; 0 lets its content choose.
// No screen is wider.
inline constexpr ValueRange kMessagesWindowSize{0, 10000, true};
// The data report's page, in centimetres.
inline constexpr ValueRange kReportMargin{0, 10};
inline constexpr ValueRange kStartPage{1, 9999, true};

}  // namespace config_range

}  // namespace korain
