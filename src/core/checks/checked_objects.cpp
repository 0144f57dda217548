// The value of each object under each check display.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/checked_objects.h"

#include <cmath>
#include <map>
#include <utility>

#include "checks/check_modes.h"
#include "checks/code_texts.h"
#include "checks/scantling_texts.h"
#include "properties/span_properties.h"
#include "text/number_format.h"
#include "text/text_utils.h"

namespace korain {
namespace {

using namespace check_mode;

CheckedObject valued(Long& colourIndex, std::optional<CheckValue> value) {
  return CheckedObject{.ColourIndex = &colourIndex, .Value = std::move(value)};
}

CheckedObject unvalued(Long& colourIndex) {
  return CheckedObject{.ColourIndex = &colourIndex, .Value = std::nullopt, .Unvalued = true};
}

CheckedObject fixed(Long& colourIndex, Long position) {
  return CheckedObject{
      .ColourIndex = &colourIndex, .Value = std::nullopt, .FixedPosition = position};
}

std::optional<CheckValue> strakeValue(const Strake& strake, Long mode) {
  switch (mode) {
    case kMaterial:
      return static_cast<double>(strake.iMat);
    case kThickness:
      return static_cast<double>(strake.Th);
    default:
      return std::nullopt;
  }
}

std::optional<CheckValue> spanValue(const StiffenerSpan& span, const OrdinaryStiffener& stiffener,
                                    const Bulkhead& bulkhead, Long mode, const ShipData& ship) {
  switch (mode) {
    case kScantling:
      return scantlingLabel(span.HasScantling ? span.Scant : stiffener.Scant, ship,
                            kScantlingCheckLabel);
    case kMaterial:
      return static_cast<double>(span.HasScantling ? span.Mat : stiffener.iMat);
    case kSpanReduction:
      return formatNumber(stiffener.SpanReduction, "###0.0###");
    case kConnection:
      // The connection type means something only on a stiffener that no
      // primary member interrupts.
      if (bulkhead.Supports.count() < 2) return std::string(connectionText(stiffener.TypeConn));
      return std::string("Not applicable");
    default:
      return std::nullopt;
  }
}

// A fitted bracket under the material check looks like the span it ends:
// the first span at end 1, the last at end 2.
CheckedObject bracketOnItsSpan(Bracket& bracket, int end, const OrdinaryStiffener& stiffener,
                               const Bulkhead& bulkhead, const ShipData& ship) {
  const List<StiffenerSpan>& spans = stiffener.Spans;
  if (spans.count() == 0) return fixed(bracket.ColourIndex, 0);
  const StiffenerSpan& span = end == 1 ? spans.first() : spans.last();
  return valued(bracket.ColourIndex, spanValue(span, stiffener, bulkhead, kMaterial, ship));
}

// The gross section modulus at the flange of each span of a bulkhead that
// has one, by stiffener and span number; computed only for the check that
// shows it.
using SpanKey = std::pair<int, int>;
std::map<SpanKey, double> flangeModuli(const Bulkhead& bulkhead, Long mode) {
  std::map<SpanKey, double> moduli;
  if (mode != kSectionModulus) return moduli;
  for (const SpanProperties& span : spanProperties(bulkhead, 0)) {
    if (span.gross && std::isfinite(span.gross->modulusFlange)) {
      moduli.emplace(SpanKey{span.stiffener, span.span}, span.gross->modulusFlange);
    }
  }
  return moduli;
}

CheckedObject modulusObject(StiffenerSpan& span, const std::map<SpanKey, double>& moduli,
                            const SpanKey& key) {
  const auto found = moduli.find(key);
  if (found == moduli.end()) return unvalued(span.ColourIndex);
  return valued(span.ColourIndex, found->second);
}

CheckedObject bracketObject(Bracket& bracket, int end, const OrdinaryStiffener& stiffener,
                            const Bulkhead& bulkhead, Long mode, const ShipData& ship) {
  if (!bracket.Enabled) return fixed(bracket.ColourIndex, 0);
  switch (mode) {
    case kScantling:
      return valued(bracket.ColourIndex, scantlingLabel(bracket.Scant, ship, kScantlingCheckLabel));
    case kMaterial:
      return bracketOnItsSpan(bracket, end, stiffener, bulkhead, ship);
    case kSpanReduction:
    case kConnection:
      return fixed(bracket.ColourIndex, kOtherBracketsPosition);
    case kBracketScantling:
      return valued(bracket.ColourIndex, bracketScantlingText(bracket.Scant));
    case kBracketLength:
      return valued(bracket.ColourIndex, std::string(trimmed(freeNumber(bracket.Length))));
    default:
      return fixed(bracket.ColourIndex, 0);
  }
}

}  // namespace

std::vector<CheckedObject> checkedObjects(Arrangement& arrangement, Long mode,
                                          const ShipData& ship) {
  std::vector<CheckedObject> objects;
  for (Bulkhead& bulkhead : arrangement.Bulkheads) {
    for (StrakeBand& band : bulkhead.StrakeBands) {
      for (Strake& strake : band.Strakes) {
        objects.push_back(valued(strake.ColourIndex, strakeValue(strake, mode)));
      }
    }
    const std::map<SpanKey, double> moduli = flangeModuli(bulkhead, mode);
    for (int k = 1; k <= bulkhead.Stiffeners.count(); ++k) {
      OrdinaryStiffener& stiffener = bulkhead.Stiffeners.at(k);
      for (int s = 1; s <= stiffener.Spans.count(); ++s) {
        StiffenerSpan& span = stiffener.Spans.at(s);
        objects.push_back(
            mode == kSectionModulus
                ? modulusObject(span, moduli, {k, s})
                : valued(span.ColourIndex, spanValue(span, stiffener, bulkhead, mode, ship)));
      }
      for (int end = 1; end <= 2; ++end) {
        objects.push_back(
            bracketObject(stiffener.Brackets.at(end), end, stiffener, bulkhead, mode, ship));
      }
    }
  }
  return objects;
}

}  // namespace korain
