// The panels' texts of section moduli and weights.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/property_texts.h"

#include <algorithm>

#include "edit/stiffener_edits.h"
#include "text/number_format.h"

namespace korain {
namespace {

// Moduli to a tenth of a cm³, plate dimensions to a tenth of a mm, weights to
// ten kilograms and positions to a centimetre: what an engineer reads off.
constexpr char kModulusFormat[] = "0.0";
constexpr char kMillimetresFormat[] = "0.#";
constexpr char kTonnesFormat[] = "0.00";
constexpr char kMetresFormat[] = "0.00";

std::string moduli(const SectionProperties& section) {
  return "Z " + formatNumber(section.modulusFlange, kModulusFormat) + " cm³ at the flange, " +
         formatNumber(section.modulusPlate, kModulusFormat) + " cm³ at the plate";
}

std::string netLine(const SpanProperties& span, double deduction) {
  const std::string lead = "Net, " + formatNumber(deduction, "0.##") + " mm off: ";
  return lead + (span.net ? moduli(*span.net) : span.netMissing);
}

}  // namespace

std::string spanModulusText(const SpanProperties& span, double deduction) {
  if (!span.gross || !span.plate) return "No section modulus: " + span.missing;
  std::string text = moduli(*span.gross) + ", with plate " +
                     formatNumber(span.plate->breadth, kMillimetresFormat) + " × " +
                     formatNumber(span.plate->thickness, kMillimetresFormat) + " mm";
  if (deduction > 0) text += "\n" + netLine(span, deduction);
  return text;
}

std::string currentSpanModulusText(const Bulkhead& bulkhead, double deduction) {
  const List<OrdinaryStiffener>& stiffeners = bulkhead.Stiffeners;
  const auto first = std::ranges::find_if(stiffeners, &OrdinaryStiffener::Selected);
  if (first == stiffeners.end()) return {};
  const int number = static_cast<int>(first - stiffeners.begin()) + 1;
  const int span = spanInInterval(*first, bulkhead.CurSpan);
  if (span == 0) return {};
  for (const SpanProperties& properties : stiffenerSpanProperties(bulkhead, number, deduction)) {
    if (properties.span == span) return spanModulusText(properties, deduction);
  }
  return {};
}

std::string bulkheadWeightText(const BulkheadWeight& weight) {
  const WeightPart& total = weight.total;
  std::string text = "Steel " + formatNumber(total.weight, kTonnesFormat) + " t, centre y " +
                     formatNumber(total.y, kMetresFormat) + " m, z " +
                     formatNumber(total.z, kMetresFormat) + " m";
  if (weight.half) {
    text += "; whole bulkhead " + formatNumber(weight.whole.weight, kTonnesFormat) + " t, y " +
            formatNumber(weight.whole.y, kMetresFormat) + " m";
  }
  for (const std::string& note : weight.notes) text += "\n" + note;
  return text;
}

}  // namespace korain
