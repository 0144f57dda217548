// Computing a bulkhead's steel weight and centre of gravity, part by part.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/bulkhead_weight.h"

#include <cmath>
#include <limits>

#include "model/codes.h"
#include "properties/fine_contour.h"
#include "properties/plane_area.h"
#include "text/format_message.h"

namespace korain {
namespace {

using namespace profile_type;

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// Weights and their moments about the axes, added up part by part.
class WeightSum {
 public:
  void add(double weight, PlanePoint at) {
    weight_ += weight;
    momentY_ += weight * at.y;
    momentZ_ += weight * at.z;
  }
  void add(const WeightPart& part) { add(part.weight, {.y = part.y, .z = part.z}); }

  WeightPart part() const {
    if (weight_ == 0) return {};
    return {.weight = weight_, .y = momentY_ / weight_, .z = momentZ_ / weight_};
  }

 private:
  double weight_ = 0;
  double momentY_ = 0;
  double momentZ_ = 0;
};

// The part of the contour a strake covers, with its thickness (mm).
struct StrakeRegion {
  std::vector<PlanePoint> polygon;
  double thickness = 0;
};

// The first band and strake reach down (and the last ones up) to the contour
// itself, so that an arc's true bulge beyond the polygon's bounds is not cut
// off; a stool bounds the plane part where there is one.
std::vector<StrakeRegion> strakeRegions(const Bulkhead& bulkhead,
                                        const std::vector<PlanePoint>& contour) {
  std::vector<StrakeRegion> regions;
  const int bands = bulkhead.StrakeBands.count();
  for (int b = 1; b <= bands; ++b) {
    const StrakeBand& band = bulkhead.StrakeBands.at(b);
    const double bottom = b > 1                    ? bulkhead.StrakeBands.at(b - 1).Z
                          : bulkhead.Stool1Enabled ? bulkhead.ZLow
                                                   : -kUnbounded;
    const double top = b < bands ? band.Z : bulkhead.Stool2Enabled ? bulkhead.ZHigh : kUnbounded;
    for (int t = 1; t <= band.Strakes.count(); ++t) {
      const double left = t > 1 ? band.Strakes.at(t - 1).Y : -kUnbounded;
      const double right = t < band.Strakes.count() ? band.Strakes.at(t).Y : kUnbounded;
      if (top <= bottom || right <= left) continue;
      regions.push_back(
          {.polygon = clippedToBox(contour, {.y = left, .z = bottom}, {.y = right, .z = top}),
           .thickness = band.Strakes.at(t).Th});
    }
  }
  return regions;
}

// Area (m²) × thickness (mm) × density (t/m³), in t.
double plateWeight(double area, double thickness, double density) {
  return area * thickness / 1000 * density;
}

WeightPart platingWeight(const std::vector<StrakeRegion>& regions, double density) {
  WeightSum sum;
  for (const StrakeRegion& region : regions) {
    if (region.thickness <= 0) continue;
    const AreaAndCentroid shape = areaAndCentroid(region.polygon);
    sum.add(plateWeight(shape.area, region.thickness, density), shape.centroid);
  }
  return sum.part();
}

// Between two knuckle lines lies either a flange, in the plane, or a web,
// whose developed breadth is its projection's hypotenuse with the depth. The
// lines start with a web and alternate.
WeightPart corrugationWeight(const Bulkhead& bulkhead, const std::vector<StrakeRegion>& regions,
                             double density) {
  WeightSum sum;
  const List<CorrugationLine>& lines = bulkhead.CorrugationLines;
  const double depth = bulkhead.Corr.D;
  if (bulkhead.Typ != kBulkheadCorrugated || depth <= 0) return sum.part();
  const bool verticalLines = bulkhead.stfHV == kVertical;
  for (int i = 1; i + 1 <= lines.count(); i += 2) {
    const double from = lines.at(i).Position;
    const double to = lines.at(i + 1).Position;
    const double width = to - from;
    if (width < kGeometryTolerance) continue;
    const double extra = std::hypot(width, depth) / width - 1;
    const PlanePoint low = verticalLines ? PlanePoint{.y = from, .z = -kUnbounded}
                                         : PlanePoint{.y = -kUnbounded, .z = from};
    const PlanePoint high =
        verticalLines ? PlanePoint{.y = to, .z = kUnbounded} : PlanePoint{.y = kUnbounded, .z = to};
    for (const StrakeRegion& region : regions) {
      if (region.thickness <= 0) continue;
      const AreaAndCentroid web = areaAndCentroid(clippedToBox(region.polygon, low, high));
      sum.add(plateWeight(web.area * extra, region.thickness, density), web.centroid);
    }
  }
  return sum.part();
}

PlanePoint middleOf(const SpanProperties& span) {
  return {.y = (span.start.y + span.end.y) / 2, .z = (span.start.z + span.end.z) / 2};
}

WeightPart stiffenerWeight(const std::vector<SpanProperties>& spans, double density,
                           BulkheadWeight& weight) {
  WeightSum sum;
  int leftOut = 0;
  for (const SpanProperties& span : spans) {
    if (!span.shape) {
      ++leftOut;
      continue;
    }
    sum.add(profileArea(*span.shape) / 1e4 * span.length * density, middleOf(span));
  }
  if (leftOut > 0) {
    weight.notes.push_back(
        formatMessage("¤ stiffener spans without profile dimensions are left out.", {leftOut}));
  }
  return sum.part();
}

// The web thickness of a bracket's own scantling, else that of the span it
// ends (a bracket at a primary member has no scantling of its own).
std::optional<double> bracketThickness(const Bracket* bracket, const SpanProperties& span) {
  if (bracket != nullptr && bracket->Scant.Typ != kNone && bracket->Scant.E1 > 0) {
    return bracket->Scant.E1;
  }
  if (span.shape) return span.shape->webThickness;
  return std::nullopt;
}

struct BracketAt {
  double length = 0;
  const Bracket* record = nullptr;  // the stiffener's end bracket, at its ends
  bool atStart = true;              // at the span's first end, else its second
};

// Brackets at the stiffener's own ends count when fitted; those at primary
// members when the span gives them a length.
std::vector<BracketAt> spanBrackets(const Bulkhead& bulkhead, const SpanProperties& span) {
  const OrdinaryStiffener& stiffener = bulkhead.Stiffeners.at(span.stiffener);
  std::vector<BracketAt> brackets;
  const auto endBracket = [&](int end, bool atStart) {
    const Bracket& bracket = stiffener.Brackets.at(end);
    if (bracket.Enabled) brackets.push_back({bracket.Length, &bracket, atStart});
  };
  if (span.span == 1) {
    endBracket(1, true);
  } else {
    brackets.push_back({span.lowerBracket, nullptr, true});
  }
  if (span.span == stiffener.Spans.count()) {
    endBracket(2, false);
  } else {
    brackets.push_back({span.upperBracket, nullptr, false});
  }
  return brackets;
}

// A right triangle with both arms the bracket's length, its corner at the
// span's end: its centroid a third of the length into the span.
PlanePoint bracketCentroid(const SpanProperties& span, const BracketAt& bracket) {
  const PlanePoint corner = bracket.atStart ? span.start : span.end;
  const PlanePoint other = bracket.atStart ? span.end : span.start;
  const double length = distance(corner, other);
  if (length < kGeometryTolerance) return corner;
  const double t = bracket.length / 3 / length;
  return {.y = corner.y + t * (other.y - corner.y), .z = corner.z + t * (other.z - corner.z)};
}

WeightPart bracketWeight(const Bulkhead& bulkhead, const std::vector<SpanProperties>& spans,
                         double density, BulkheadWeight& weight) {
  WeightSum sum;
  int leftOut = 0;
  for (const SpanProperties& span : spans) {
    if (!bulkhead.Stiffeners.inBounds(span.stiffener)) continue;
    for (const BracketAt& bracket : spanBrackets(bulkhead, span)) {
      if (bracket.length < kGeometryTolerance) continue;
      const std::optional<double> thickness = bracketThickness(bracket.record, span);
      if (!thickness) {
        ++leftOut;
        continue;
      }
      const double area = bracket.length * bracket.length / 2;
      sum.add(plateWeight(area, *thickness, density), bracketCentroid(span, bracket));
    }
  }
  if (leftOut > 0) {
    weight.notes.push_back(
        formatMessage("¤ brackets without a thickness are left out.", {leftOut}));
  }
  return sum.part();
}

void noteWhatIsLeftOut(const Bulkhead& bulkhead, BulkheadWeight& weight) {
  weight.notes.insert(weight.notes.begin(),
                      "Primary supporting members are left out: the arrangement holds no "
                      "scantlings for them.");
  if (bulkhead.Stool1Enabled || bulkhead.Stool2Enabled) {
    weight.notes.emplace_back("The stools are left out.");
  }
  if (bulkhead.Typ == kBulkheadDoubleSkin) {
    weight.notes.emplace_back("One skin only: the arrangement holds the strakes of one.");
  }
  if (!bulkhead.Closed) {
    weight.notes.emplace_back(
        "The contour is not closed: its plating is taken as closed from its last node to its "
        "first.");
  }
}

}  // namespace

BulkheadWeight bulkheadWeight(const Bulkhead& bulkhead, Long symFlag, double density,
                              const std::vector<SpanProperties>& spans) {
  BulkheadWeight weight;
  const std::vector<PlanePoint> contour = fineContour(bulkhead);
  const std::vector<StrakeRegion> regions =
      contour.size() < 3 ? std::vector<StrakeRegion>{} : strakeRegions(bulkhead, contour);
  weight.plating = platingWeight(regions, density);
  weight.stiffeners = stiffenerWeight(spans, density, weight);
  weight.brackets = bracketWeight(bulkhead, spans, density, weight);
  weight.corrugation = corrugationWeight(bulkhead, regions, density);
  WeightSum total;
  for (const WeightPart& part :
       {weight.plating, weight.stiffeners, weight.brackets, weight.corrugation}) {
    total.add(part);
  }
  weight.total = total.part();
  // Symmetry flag 0: the section is symmetric and one side of it is described.
  weight.half = symFlag == 0;
  if (weight.half) {
    weight.whole = {.weight = 2 * weight.total.weight, .y = 0, .z = weight.total.z};
  }
  noteWhatIsLeftOut(bulkhead, weight);
  return weight;
}

}  // namespace korain
