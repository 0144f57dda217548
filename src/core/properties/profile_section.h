// The section of a stiffener with its attached plating: the profile idealised
// as web and flange plates, and its area, neutral axis, inertia and moduli.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "model/arrangement.h"

namespace korain {

// A profile as rectangles, in mm: a web standing on the plating and, above the
// web's height, a flange (width 0 for a flat bar).
struct ProfileShape {
  double webHeight = 0;
  double webThickness = 0;
  double flangeWidth = 0;
  double flangeThickness = 0;

  bool operator==(const ProfileShape&) const = default;
};

// The plating a stiffener works with, in mm.
struct AttachedPlate {
  double thickness = 0;
  double breadth = 0;

  bool operator==(const AttachedPlate&) const = default;
};

// Properties about the neutral axis, which is measured from the plating's
// outer face (the face away from the profile).
struct SectionProperties {
  double area = 0;           // cm²
  double neutralAxis = 0;    // mm above the plating's outer face
  double inertia = 0;        // cm⁴
  double modulusFlange = 0;  // cm³, at the profile's free edge
  double modulusPlate = 0;   // cm³, at the plating's outer face
  double profileArea = 0;    // cm², the profile alone

  bool operator==(const SectionProperties&) const = default;
};

// Why a span has no section properties.
enum class MissingCause {
  None,
  NoDimensions,     // a profile type without dimensions to compute with
  NotPositive,      // a dimension the type uses is not positive
  BulbTooLow,       // a bulb too low for its equivalent angle
  NoEnds,           // the span's extremities are not computed
  NoStrake,         // no strake under the span's middle
  StrakeThickness,  // the strake under it has no thickness
  OutsideContour,   // no plating on one side of it
  NoBreadth,        // its plate comes out without breadth
};

// A shape, or why the scantling has none.
struct ShapeOrReason {
  std::optional<ProfileShape> shape;
  std::string reason;  // empty when there is a shape
  MissingCause cause = MissingCause::None;
};

// Flat bars, angles and tees as given; a bulb as its equivalent angle; other
// types (none, named, pipe, plate reference) have no shape. A dimension the
// type uses that is not positive gives no shape either.
ShapeOrReason profileShape(const Scantling& scantling);

// The profile's own area (cm²), without the plate.
double profileArea(const ProfileShape& shape);

// The properties of the shape on the plate (both positive).
SectionProperties sectionProperties(const ProfileShape& shape, const AttachedPlate& plate);

// The same millimetres off every thickness (web, flange, plate); no value
// when one of them is left with none.
struct NetSection {
  ProfileShape shape;
  AttachedPlate plate;
};
std::optional<NetSection> deducted(const ProfileShape& shape, const AttachedPlate& plate,
                                   double deduction);

}  // namespace korain
