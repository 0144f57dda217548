// Idealising a profile as plates, and its section's area, neutral axis, inertia and moduli.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/profile_section.h"

#include <array>
#include <string_view>

#include "model/codes.h"
#include "text/format_message.h"

namespace korain {
namespace {

using namespace profile_type;

struct Dimension {
  std::string_view name;
  double value = 0;
};

ShapeOrReason noShape(std::string reason, MissingCause cause) {
  return {.shape = std::nullopt, .reason = std::move(reason), .cause = cause};
}

ShapeOrReason withShape(ProfileShape shape) {
  return {.shape = shape, .reason = {}, .cause = MissingCause::None};
}

// The first dimension that is not positive, named with its value.
std::string firstNotPositive(std::initializer_list<Dimension> dimensions) {
  for (const Dimension& dimension : dimensions) {
    if (dimension.value > 0) continue;
    return formatMessage("its ¤ ¤ mm is not positive", {dimension.name, dimension.value});
  }
  return {};
}

// The bulb flat as the angle of the same height, web and area that the usual
// idealisation gives; its flange thickness leaves nothing below a height of
// 18.4 mm.
ShapeOrReason equivalentAngle(const Scantling& bulb) {
  const double height = bulb.H1;
  const double web = bulb.E1;
  const double flangeThickness = height / 9.2 - 2;
  const double alpha = height <= 120 ? 1.1 + (120 - height) * (120 - height) / 3000 : 1.0;
  const double flangeWidth = alpha * (web + height / 6.7 - 2);
  if (flangeThickness <= 0 || flangeWidth <= 0) {
    return noShape(formatMessage("a bulb of ¤ mm is too low for its equivalent angle", {height}),
                   MissingCause::BulbTooLow);
  }
  return withShape({.webHeight = height - flangeThickness,
                    .webThickness = web,
                    .flangeWidth = flangeWidth,
                    .flangeThickness = flangeThickness});
}

ShapeOrReason checkedShape(ProfileShape shape, std::initializer_list<Dimension> used) {
  std::string fault = firstNotPositive(used);
  if (!fault.empty()) return noShape(std::move(fault), MissingCause::NotPositive);
  return withShape(shape);
}

// One rectangle of the section: its area (mm²), the height of its centroid
// above the plating's outer face and its own moment of inertia (mm, mm⁴).
struct Part {
  double area = 0;
  double centroid = 0;
  double ownInertia = 0;
};

Part rectangle(double width, double height, double base) {
  return {.area = width * height,
          .centroid = base + height / 2,
          .ownInertia = width * height * height * height / 12};
}

}  // namespace

ShapeOrReason profileShape(const Scantling& scantling) {
  const Dimension webHeight{"web height", scantling.H1};
  const Dimension webThickness{"web thickness", scantling.E1};
  switch (scantling.Typ) {
    case kFlatBar:
      return checkedShape({.webHeight = scantling.H1, .webThickness = scantling.E1},
                          {webHeight, webThickness});
    case kAngle:
    case kTee:
      return checkedShape({.webHeight = scantling.H1,
                           .webThickness = scantling.E1,
                           .flangeWidth = scantling.H2,
                           .flangeThickness = scantling.E2},
                          {webHeight,
                           webThickness,
                           {"flange width", scantling.H2},
                           {"flange thickness", scantling.E2}});
    case kBulb: {
      std::string fault = firstNotPositive({webHeight, webThickness});
      if (!fault.empty()) return noShape(std::move(fault), MissingCause::NotPositive);
      return equivalentAngle(scantling);
    }
    case kNone:
      return noShape("it has no profile", MissingCause::NoDimensions);
    case kPlateReference:
      return noShape("a plate reference has no profile dimensions", MissingCause::NoDimensions);
    default:
      return noShape("a profile of this type has no dimensions to compute with",
                     MissingCause::NoDimensions);
  }
}

double profileArea(const ProfileShape& shape) {
  return (shape.webHeight * shape.webThickness + shape.flangeWidth * shape.flangeThickness) / 1e2;
}

SectionProperties sectionProperties(const ProfileShape& shape, const AttachedPlate& plate) {
  const double top = plate.thickness + shape.webHeight + shape.flangeThickness;
  const std::array<Part, 3> parts = {
      rectangle(plate.breadth, plate.thickness, 0),
      rectangle(shape.webThickness, shape.webHeight, plate.thickness),
      rectangle(shape.flangeWidth, shape.flangeThickness, plate.thickness + shape.webHeight)};
  double area = 0;
  double moment = 0;
  for (const Part& part : parts) {
    area += part.area;
    moment += part.area * part.centroid;
  }
  const double neutralAxis = moment / area;
  double inertia = 0;
  for (const Part& part : parts) {
    const double offset = part.centroid - neutralAxis;
    inertia += part.ownInertia + part.area * offset * offset;
  }
  return {.area = area / 1e2,
          .neutralAxis = neutralAxis,
          .inertia = inertia / 1e4,
          .modulusFlange = inertia / (top - neutralAxis) / 1e3,
          .modulusPlate = inertia / neutralAxis / 1e3,
          .profileArea = profileArea(shape)};
}

std::optional<NetSection> deducted(const ProfileShape& shape, const AttachedPlate& plate,
                                   double deduction) {
  NetSection net{.shape = shape, .plate = plate};
  net.shape.webThickness -= deduction;
  net.plate.thickness -= deduction;
  if (shape.flangeWidth > 0) net.shape.flangeThickness -= deduction;
  const bool flangeLeft = shape.flangeWidth <= 0 || net.shape.flangeThickness > 0;
  if (net.shape.webThickness <= 0 || net.plate.thickness <= 0 || !flangeLeft) return std::nullopt;
  return net;
}

}  // namespace korain
