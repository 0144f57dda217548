// Building the legend of the check display and colouring the arrangement by it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/legend.h"

#include <algorithm>
#include <cmath>

#include "checks/check_modes.h"
#include "checks/check_value.h"
#include "checks/checked_objects.h"
#include "checks/modulus_ranges.h"
#include "ship/ship_queries.h"
#include "text/number_format.h"
#include "text/string_table.h"

namespace korain {
namespace {

using namespace check_mode;

constexpr Long kThicknessFormat = text_id::kCoordinateFormat;  // thicknesses read like coordinates

// The entries of objects the check leaves in the drawing's own colour.
constexpr Long kUncolouredColour = 0;

Long statusTextNumber(Long mode) {
  switch (mode) {
    case kMaterial:
      return text_id::kBuildingMaterialLegendStatus;
    case kThickness:
      return text_id::kBuildingThicknessLegendStatus;
    default:
      return text_id::kBuildingLegendStatus;
  }
}

Long materialNumber(const CheckValue& value) {
  return static_cast<Long>(std::lround(std::get<double>(value)));
}

// The position of a value before it wraps round the palette.
Long valuePosition(Long mode, const std::vector<CheckValue>& values, const CheckValue& value) {
  return mode == kMaterial ? materialNumber(value) : positionOf(values, value);
}

Long palettePosition(Long position, int paletteCount) {
  if (position < 1 || paletteCount < 1) return 0;
  return (position - 1) % paletteCount + 1;
}

Long paletteColour(const List<Long>& palette, Long position) {
  const Long wrapped = palettePosition(position, palette.count());
  return wrapped == 0 ? 0 : palette.at(wrapped);
}

std::vector<CheckValue> legendValues(const std::vector<CheckedObject>& objects, Long mode) {
  std::vector<CheckValue> values;
  for (const CheckedObject& object : objects) {
    if (object.Value) addDistinctValue(values, *object.Value);
  }
  if (mode != kMaterial) std::ranges::sort(values);
  return values;
}

void colourObjects(const std::vector<CheckedObject>& objects, const std::vector<CheckValue>& values,
                   Long mode, int paletteCount) {
  for (const CheckedObject& object : objects) {
    const Long position =
        object.Value ? valuePosition(mode, values, *object.Value) : object.FixedPosition;
    *object.ColourIndex = palettePosition(position, paletteCount);
  }
}

// A bracket given zero dimensions of a profile without a prefix has no real
// scantling; the whole text, prefix included, must match.
std::string bracketEntryText(const std::string& text) {
  if (text == "0.0 x 0.0" || text == "0.0 x 0.0 - 0.0 x 0.0") return "no scantling";
  return text;
}

// What a legend's texts need besides the values.
struct EntryStyle {
  Long mode = 0;
  const ShipData& ship;
  double modulusStep = 0;  // the ranges of the section modulus check
};

std::string entryText(const EntryStyle& style, const CheckValue& value) {
  switch (style.mode) {
    case kMaterial:
      return materialName(materialNumber(value), style.ship);
    case kThickness:
      return "  " + formatNumber(std::get<double>(value), korainString(kThicknessFormat)) +
             korainString(text_id::kMillimetresUnit);
    case kSpanReduction:
      return std::get<std::string>(value) + korainString(text_id::kMetresUnit);
    case kBracketScantling:
      return bracketEntryText(std::get<std::string>(value));
    case kSectionModulus:
      return modulusRangeText(std::get<double>(value), style.modulusStep);
    default:
      return std::get<std::string>(value);
  }
}

// True when the arrangement has brackets and every one of them is fitted.
bool allBracketsFitted(const Arrangement& arrangement) {
  bool anyBracket = false;
  for (const Bulkhead& bulkhead : arrangement.Bulkheads) {
    for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
      for (const Bracket& bracket : stiffener.Brackets) {
        if (!bracket.Enabled) return false;
        anyBracket = true;
      }
    }
  }
  return anyBracket;
}

bool anyUnvalued(const std::vector<CheckedObject>& objects) {
  return std::ranges::any_of(objects, &CheckedObject::Unvalued);
}

// The entry of the objects the check leaves uncoloured comes first, when there are any.
Legend legendEntries(const Arrangement& arrangement, const std::vector<CheckedObject>& objects,
                     const std::vector<CheckValue>& values, const List<Long>& palette,
                     const EntryStyle& style) {
  Legend legend;
  if (style.mode == kBracketScantling && !allBracketsFitted(arrangement)) {
    legend.push_back({kUncolouredColour, "no bracket"});
  }
  if (style.mode == kSectionModulus && anyUnvalued(objects)) {
    legend.push_back({kUncolouredColour, "no section modulus"});
  }
  for (const CheckValue& value : values) {
    legend.push_back({paletteColour(palette, valuePosition(style.mode, values, value)),
                      entryText(style, value)});
  }
  return legend;
}

}  // namespace

Legend buildLegend(Arrangement& arrangement, Long mode, const List<Long>& palette,
                   const ShipData& ship, const StatusLine& status) {
  if (status) status(korainStatusString(statusTextNumber(mode)));
  std::vector<CheckedObject> objects = checkedObjects(arrangement, mode, ship);
  const EntryStyle style{.mode = mode,
                         .ship = ship,
                         .modulusStep = mode == kSectionModulus ? putModuliInRanges(objects) : 0};
  const std::vector<CheckValue> values = legendValues(objects, mode);
  colourObjects(objects, values, mode, palette.count());
  Legend legend = legendEntries(arrangement, objects, values, palette, style);
  if (status) status("");
  return legend;
}

}  // namespace korain
