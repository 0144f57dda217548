// Filling a compartment's effective dimensions and appending its filling levels.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/resonance_edits.h"

#include <cmath>

#include "edit/compartment_edits.h"
#include "geometry/plane.h"
#include "io/compartment_record.h"

namespace korain {
namespace {

void fillWhenNotGiven(Single& value, Single replacement) {
  if (std::abs(value) < kGeometryTolerance) value = replacement;
}

constexpr int kDefaultLevelSteps = 9;        // 0.1 H to 0.9 H
constexpr double kTopDefaultFilling = 0.95;  // a tank is never filled to the top

}  // namespace

void fillEffectiveDimensions(Compartment& compartment) {
  FixedList<Single, 20>& t = compartment.Table1;
  fillWhenNotGiven(t.at(kEffectiveLengthEntry), t.at(kLengthEntry));
  fillWhenNotGiven(t.at(kEffectiveBreadthEntry), t.at(kBreadthEntry));
}

bool canAddLevel(const Compartment& compartment) {
  return compartment.Points.count() < kMaxFillingLevels;
}

bool appendLevel(Compartment& compartment) {
  if (!canAddLevel(compartment)) return false;
  compartment.Points.append();
  return true;
}

void appendDefaultLevels(Compartment& compartment, Single length, Single breadth) {
  const double height = compartment.Table1.at(kHeightEntry);
  for (int k = 1; k <= kDefaultLevelSteps && canAddLevel(compartment); ++k) {
    compartment.Points.append({static_cast<Single>(k * 0.1 * height), length, breadth});
  }
  if (!canAddLevel(compartment)) return;
  compartment.Points.append({static_cast<Single>(kTopDefaultFilling * height), length, breadth});
}

std::optional<double> shareOfHeight(const Compartment& compartment, double level) {
  const double height = compartment.Table1.at(kHeightEntry);
  if (!(height > 0)) return std::nullopt;
  return level / height * 100;
}

std::optional<double> levelOfShare(const Compartment& compartment, double percent) {
  const double height = compartment.Table1.at(kHeightEntry);
  if (!(height > 0)) return std::nullopt;
  return percent / 100 * height;
}

}  // namespace korain
