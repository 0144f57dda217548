// What every span of a bulkhead's ordinary stiffeners carries: its profile,
// the plating it works with, its length and its section properties.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geometry/plane.h"
#include "model/arrangement.h"
#include "properties/profile_section.h"

namespace korain {

struct SpanProperties {
  int stiffener = 0;  // 1-based, in the bulkhead's list
  int span = 0;       // 1-based, in the stiffener's list
  Scantling profile;  // the span's own scantling when it has one, else the stiffener's
  Integer material = 0;
  double length = 0;        // m, between the span's extremities
  double lowerBracket = 0;  // m
  double upperBracket = 0;  // m
  PlanePoint start;         // the span's ends in the plane (m)
  PlanePoint end;
  std::optional<ProfileShape> shape;
  std::optional<AttachedPlate> plate;
  int plateBand = 0;  // where the plate thickness comes from (0 when none)
  int plateStrake = 0;
  std::optional<SectionProperties> gross;
  std::optional<SectionProperties> net;
  // Why the gross properties are missing (empty when they are there), and why
  // the net ones are, when the gross ones are there.
  std::string missing;
  std::string netMissing;
  MissingCause cause = MissingCause::None;
  // The properties are missing because of values that make no section, not
  // because the profile type has no dimensions to compute with.
  bool faulty() const {
    return cause != MissingCause::None && cause != MissingCause::NoDimensions &&
           cause != MissingCause::NoEnds;
  }
};

// Every span of every ordinary stiffener of a computed bulkhead, stiffener by
// stiffener; net values with the deduction given in mm (none asked for at 0).
std::vector<SpanProperties> spanProperties(const Bulkhead& bulkhead, double deduction);

// The spans of one stiffener only (the panel's current one).
std::vector<SpanProperties> stiffenerSpanProperties(const Bulkhead& bulkhead, int stiffener,
                                                    double deduction);

}  // namespace korain
