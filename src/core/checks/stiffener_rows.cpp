// The texts of the ordinary stiffeners panel's rows, for the chosen tab.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/stiffener_rows.h"

#include "checks/scantling_texts.h"
#include "text/number_format.h"

namespace korain {
namespace {

std::string tabText(const OrdinaryStiffener& stiffener, StiffenerTab tab, int interval,
                    const ShipData& ship) {
  switch (tab) {
    case StiffenerTab::Scantling:
      return scantlingLabel(stiffener.Scant, ship);
    case StiffenerTab::UpperBracket:
    case StiffenerTab::LowerBracket: {
      const Bracket& bracket = stiffener.Brackets.at(bracketOfTab(tab));
      return bracket.Enabled ? bracketScantlingText(bracket.Scant) : "no bracket";
    }
    case StiffenerTab::SpanScantling:
    case StiffenerTab::SpanBracket:
      break;
  }
  const int span = spanInInterval(stiffener, interval);
  if (span == 0) return "invalid span " + std::to_string(interval);
  const StiffenerSpan& s = stiffener.Spans.at(span);
  if (tab == StiffenerTab::SpanBracket) {
    return formatNumber(s.LowerBracketLength, "00.0") + " " +
           formatNumber(s.UpperBracketLength, "00.0");
  }
  return s.HasScantling ? scantlingLabel(s.Scant, ship) : "default";
}

}  // namespace

std::string stiffenerRowText(const OrdinaryStiffener& stiffener, int number, StiffenerTab tab,
                             int interval, const ShipData& ship) {
  return formatNumber(number, "00") + " " + tabText(stiffener, tab, interval, ship);
}

}  // namespace korain
