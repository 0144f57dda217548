// Naming in the message list the values no structure can have.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/plausibility.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/plane.h"
#include "model/arrangement_queries.h"
#include "model/codes.h"
#include "model/compartment_tables.h"
#include "resonance/main_dimensions.h"

namespace korain {
namespace {

using namespace profile_type;

struct Dimension {
  std::string_view name;
  Single value = 0;
  double limit = 0;
};

// The dimensions a profile type is built with; the others are not looked at.
std::vector<Dimension> usedDimensions(const Scantling& scantling) {
  const Dimension webHeight{"web height", scantling.H1, kPlausibleDimension};
  const Dimension webThickness{"web thickness", scantling.E1, kPlausibleThickness};
  switch (scantling.Typ) {
    case kFlatBar:
    case kBulb:
    case kPipe:
      return {webHeight, webThickness};
    case kAngle:
    case kTee:
      return {webHeight,
              webThickness,
              {"flange width", scantling.H2, kPlausibleDimension},
              {"flange thickness", scantling.E2, kPlausibleThickness}};
    case kPlateReference:
      // A thickness of -1 stands for the plating of the panel itself.
      if (scantling.E1 == -1) return {};
      return {{"plate thickness", scantling.E1, kPlausibleThickness}};
    default:
      return {};
  }
}

bool isPlausible(double value, double limit) { return value > 0 && value <= limit; }

void reportScantling(const Scantling& scantling, const std::string& object, MessageSubject subject,
                     BulkheadReport& report) {
  for (const Dimension& dimension : usedDimensions(scantling)) {
    if (isPlausible(dimension.value, dimension.limit)) continue;
    report.warn(subject, "¤: ¤ ¤ mm is not plausible", {object, dimension.name, dimension.value});
  }
}

void reportBracket(const Bracket& bracket, const std::string& object, MessageSubject subject,
                   BulkheadReport& report) {
  if (!bracket.Enabled) return;
  if (bracket.Length < kGeometryTolerance) {
    report.warn(subject, "¤: length ¤ m is not plausible", {object, bracket.Length});
  }
  if (bracket.Scant.Typ == kNone) {
    report.warn(subject, "¤ is fitted without a scantling", {object});
  }
  reportScantling(bracket.Scant, object, subject, report);
}

void reportOwnDirectionMembers(const Bulkhead& bulkhead, int k, BulkheadReport& report) {
  const OrdinaryStiffener& stiffener = bulkhead.Stiffeners.at(k);
  for (int m = 1; m <= bulkhead.PrimaryMembers.count(); ++m) {
    const PrimaryMember& member = bulkhead.PrimaryMembers.at(m);
    if (member.HV != bulkhead.stfHV) continue;
    if (std::abs(member.Position - stiffener.Position) >= kGeometryTolerance) continue;
    report.warn({PanelCode::OrdinaryStiffeners, k},
                "Ordinary ¤ in '¤' lies on primary supporting member ¤", {k, bulkhead.Name, m});
  }
}

void reportStiffener(const Bulkhead& bulkhead, int k, BulkheadReport& report) {
  const OrdinaryStiffener& stiffener = bulkhead.Stiffeners.at(k);
  const MessageSubject subject{PanelCode::OrdinaryStiffeners, k};
  const std::string name = formatMessage("Ordinary ¤ in '¤'", {k, bulkhead.Name});
  reportScantling(stiffener.Scant, name, subject, report);
  reportBracket(stiffener.Brackets.at(2),
                formatMessage("Upper bracket of ordinary ¤ in '¤'", {k, bulkhead.Name}), subject,
                report);
  reportBracket(stiffener.Brackets.at(1),
                formatMessage("Lower bracket of ordinary ¤ in '¤'", {k, bulkhead.Name}), subject,
                report);
  for (int s = 1; s <= stiffener.Spans.count(); ++s) {
    const StiffenerSpan& span = stiffener.Spans.at(s);
    if (!span.HasScantling) continue;
    // The panel names a span by the support interval it lies in.
    const int interval = span.IntervalNumber > 0 ? span.IntervalNumber : s;
    const std::string spanName =
        formatMessage("Span ¤ of ordinary ¤ in '¤'", {interval, k, bulkhead.Name});
    const MessageSubject spanSubject{PanelCode::OrdinaryStiffeners, k, interval};
    // A span of its own scantling is drawn, checked and reported by it alone:
    // without a profile or a material it has none to show.
    if (span.Scant.Typ == kNone) {
      report.warn(spanSubject, "¤ has a scantling of its own without a profile", {spanName});
    }
    if (span.Mat == 0) {
      report.warn(spanSubject, "¤ has a scantling of its own without a material", {spanName});
    }
    reportScantling(span.Scant, spanName, spanSubject, report);
  }
  if (stiffener.TypeConn == kSoftToe && hasBracket(stiffener)) {
    report.warn(subject, "¤ has a soft toe connection and a bracket", {name});
  }
  reportOwnDirectionMembers(bulkhead, k, report);
}

// Neighbours in the order of their positions, whatever the order of the list.
void reportCoincidentStiffeners(const Bulkhead& bulkhead, BulkheadReport& report) {
  std::vector<int> order(static_cast<std::size_t>(bulkhead.Stiffeners.count()));
  std::iota(order.begin(), order.end(), 1);
  std::ranges::stable_sort(order, [&](int a, int b) {
    return bulkhead.Stiffeners.at(a).Position < bulkhead.Stiffeners.at(b).Position;
  });
  for (std::size_t i = 1; i < order.size(); ++i) {
    const int first = std::min(order[i - 1], order[i]);
    const int second = std::max(order[i - 1], order[i]);
    const double gap = static_cast<double>(bulkhead.Stiffeners.at(second).Position) -
                       bulkhead.Stiffeners.at(first).Position;
    if (std::abs(gap) >= kGeometryTolerance) continue;
    report.warn({PanelCode::OrdinaryStiffeners, second},
                "Ordinary ¤ and ¤ in '¤' are less than 1 mm apart", {first, second, bulkhead.Name});
  }
}

void reportStrakes(const Bulkhead& bulkhead, BulkheadReport& report) {
  for (int b = 1; b <= bulkhead.StrakeBands.count(); ++b) {
    const StrakeBand& band = bulkhead.StrakeBands.at(b);
    for (int t = 1; t <= band.Strakes.count(); ++t) {
      const Strake& strake = band.Strakes.at(t);
      if (isPlausible(strake.Th, kPlausibleThickness)) continue;
      report.warn({PanelCode::StrakeBands, b, t},
                  "Strake ¤ in '¤': thickness ¤ mm is not plausible",
                  {strake.StrakeNumber, bulkhead.Name, strake.Th});
    }
  }
}

// The resonance of a compartment's liquid is judged from its length, breadth
// and height: a negative one is never a compartment's, and one not given
// leaves the filling levels entered unjudged.
void reportMainDimensions(const Compartment& compartment, int side, BulkheadReport& report) {
  const MessageSubject subject{PanelCode::Compartments, side};
  for (const CompartmentDimension& dimension : resonanceDimensions(compartment)) {
    if (dimension.value < 0) {
      report.warn(subject, "Compartment '¤': ¤ ¤ m is not plausible",
                  {compartment.Name, dimension.name, dimension.value});
    } else if (dimension.value < kGeometryTolerance && compartment.Points.isDimensioned()) {
      report.warn(subject,
                  "Compartment '¤': ¤ is not given, so its filling levels cannot be judged for "
                  "resonance",
                  {compartment.Name, dimension.name});
    }
  }
}

void reportFillingLevels(const Compartment& compartment, int side, BulkheadReport& report) {
  const MessageSubject subject{PanelCode::Compartments, side};
  const Single height = compartment.Table1.at(kHeightEntry);
  for (int k = 1; k <= compartment.Points.count(); ++k) {
    const FillingPoint& level = compartment.Points.at(k);
    const std::string name = formatMessage("Filling level ¤ of '¤'", {k, compartment.Name});
    if (level.H > height + kGeometryTolerance) {
      report.warn(subject, "¤ is above the compartment's height of ¤ m", {name, height});
    }
    if (level.L <= 0) {
      report.warn(subject, "¤: free surface length ¤ m is not plausible", {name, level.L});
    }
    if (level.B <= 0) {
      report.warn(subject, "¤: free surface breadth ¤ m is not plausible", {name, level.B});
    }
  }
}

}  // namespace

void reportImplausibleValues(const Bulkhead& bulkhead, BulkheadReport& report) {
  for (int k = 1; k <= bulkhead.Stiffeners.count(); ++k) reportStiffener(bulkhead, k, report);
  reportCoincidentStiffeners(bulkhead, report);
  reportStrakes(bulkhead, report);
  for (int side = 1; side <= bulkhead.Compartments.count(); ++side) {
    reportMainDimensions(bulkhead.Compartments.at(side), side, report);
    reportFillingLevels(bulkhead.Compartments.at(side), side, report);
  }
}

}  // namespace korain
