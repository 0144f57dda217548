// Scantling labels and bracket scantling texts.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/scantling_texts.h"

#include <cmath>
#include <string_view>

#include "checks/code_texts.h"
#include "ship/ship_queries.h"
#include "text/number_format.h"

namespace korain {
namespace {

using namespace profile_type;

// The plate's thickness E1 of -1 means the plating of the panel itself.
std::string plateReferenceLabel(const Scantling& scantling, const ShipData& ship) {
  const int material = static_cast<int>(std::lround(scantling.H1));
  std::string label = material == 0 ? "(def)" : materialName(material, ship);
  if (scantling.E1 == -1) {
    label += " (pan)";
  } else {
    appendFormattedNumber(label, scantling.E1, " ###");
  }
  return label;
}

std::string_view typeLetter(Long type) {
  switch (type) {
    case kFlatBar:
      return "F";
    case kBulb:
      return "B";
    case kAngle:
      return "A";
    case kTee:
      return "T";
    default:
      return "";
  }
}

void appendLabelDimensions(std::string& label, Single height, Single thickness, bool wholeNumbers) {
  appendFormattedNumber(label, height, wholeNumbers ? "#0" : "###0.0#");
  appendFormattedNumber(label, thickness, wholeNumbers ? "×#0" : "×###0.0#");
}

std::string_view bracketPrefix(Long type) {
  switch (type) {
    case kFlatBar:
      return "F- ";
    case kBulb:
      return "B- ";
    case kAngle:
      return "A- ";
    case kTee:
      return "T- ";
    default:
      return "";
  }
}

void appendBracketDimensions(std::string& text, Single height, Single thickness) {
  appendFormattedNumber(text, height, "###0.0###");
  text += " x ";
  appendFormattedNumber(text, thickness, "###0.0###");
}

}  // namespace

std::string scantlingLabel(const Scantling& scantling, const ShipData& ship,
                           ScantlingLabelOptions options) {
  const Long type = scantling.Typ;
  if (type == kPlateReference) return plateReferenceLabel(scantling, ship);
  if (type == kNone || type == kCustom) return std::string(" ").append(profileTypeText(type));

  const std::string_view separator = options.DashSeparator ? "-" : " ";
  std::string label;
  if (!options.NoTypeLetter) {
    // A pipe's letter runs straight into its dimensions.
    if (type == kPipe) {
      label = "P";
    } else if (const std::string_view letter = typeLetter(type); !letter.empty()) {
      label.append(letter).append(separator);
    }
  }
  appendLabelDimensions(label, scantling.H1, scantling.E1, options.WholeNumbers);
  if (type == kAngle || type == kTee) {
    label += separator;
    appendLabelDimensions(label, scantling.H2, scantling.E2, options.WholeNumbers);
  }
  return label;
}

std::string bracketScantlingText(const Scantling& scantling) {
  if (scantling.Typ == kPipe) return "P- ";
  // The dimension pattern pads nothing, so the text never starts with blanks.
  std::string text{bracketPrefix(scantling.Typ)};
  appendBracketDimensions(text, scantling.H1, scantling.E1);
  if (scantling.Typ != kFlatBar) {
    text += " - ";
    appendBracketDimensions(text, scantling.H2, scantling.E2);
  }
  return text;
}

}  // namespace korain
