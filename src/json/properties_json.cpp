// Writing the section properties of the spans and the steel weight of a bulkhead as JSON.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties_json.h"

#include <cmath>
#include <limits>
#include <string>

#include "checks/scantling_texts.h"
#include "json_numbers.h"
#include "text/text_utils.h"

namespace korain::properties_json {
namespace {

// Values worked out from the file's Singles hold no more digits than they do:
// 3.6, not 3.5999999046325684. One beyond a Single's range stays as it is.
Json number(double value) {
  if (!(std::abs(value) <= std::numeric_limits<Single>::max())) return value;
  return single(static_cast<Single>(value));
}

Json text(const std::string& value) { return value.empty() ? Json(nullptr) : Json(value); }

Json shape(const std::optional<ProfileShape>& shape) {
  if (!shape) return nullptr;
  return {{"web_height", number(shape->webHeight)},
          {"web_thickness", number(shape->webThickness)},
          {"flange_width", number(shape->flangeWidth)},
          {"flange_thickness", number(shape->flangeThickness)}};
}

Json plate(const AttachedPlate& plate) {
  return {{"thickness", number(plate.thickness)}, {"breadth", number(plate.breadth)}};
}

// The attached plate, with the band and strake its thickness is taken from.
Json attachedPlate(const SpanProperties& span) {
  if (!span.plate) return nullptr;
  Json result = plate(*span.plate);
  result["band"] = span.plateBand;
  result["strake"] = span.plateStrake;
  return result;
}

// The keys of a section, each null when there is none.
void addSection(Json& json, const std::optional<SectionProperties>& section) {
  const auto value = [&](double SectionProperties::*field) {
    return section ? number((*section).*field) : Json(nullptr);
  };
  json["area"] = value(&SectionProperties::area);
  json["neutral_axis"] = value(&SectionProperties::neutralAxis);
  json["inertia"] = value(&SectionProperties::inertia);
  json["z_flange"] = value(&SectionProperties::modulusFlange);
  json["z_plate"] = value(&SectionProperties::modulusPlate);
  json["profile_area"] = value(&SectionProperties::profileArea);
}

// The net section with the plate and shape it is taken of: the deduction off
// every thickness, the plate's breadth and the profile's heights kept.
Json netSection(const SpanProperties& span, double deduction) {
  if (!span.net || !span.shape || !span.plate) return nullptr;
  Json net = Json::object();
  if (const std::optional<NetSection> taken = deducted(*span.shape, *span.plate, deduction)) {
    net["shape"] = shape(taken->shape);
    net["plate"] = plate(taken->plate);
  }
  addSection(net, span.net);
  return net;
}

Json part(const WeightPart& part) {
  return {{"weight", number(part.weight)}, {"y", number(part.y)}, {"z", number(part.z)}};
}

}  // namespace

Json of(const SpanProperties& span, const ShipData& ship, double deduction) {
  Json json = {{"stiffener", span.stiffener},
               {"span", span.span},
               {"profile", std::string(trimmed(scantlingLabel(span.profile, ship)))},
               {"material", span.material},
               {"shape", shape(span.shape)},
               {"plate", attachedPlate(span)}};
  addSection(json, span.gross);
  json["length"] = number(span.length);
  json["brackets"] = {{"lower", number(span.lowerBracket)}, {"upper", number(span.upperBracket)}};
  json["net"] = netSection(span, deduction);
  json["missing"] = text(span.missing);
  json["net_missing"] = text(span.netMissing);
  return json;
}

Json of(const BulkheadWeight& weight) {
  Json notes = Json::array();
  for (const std::string& note : weight.notes) notes.push_back(note);
  return {{"plating", number(weight.plating.weight)},
          {"stiffeners", number(weight.stiffeners.weight)},
          {"brackets", number(weight.brackets.weight)},
          {"corrugation", number(weight.corrugation.weight)},
          {"total", number(weight.total.weight)},
          {"y", number(weight.total.y)},
          {"z", number(weight.total.z)},
          {"parts",
           {{"plating", part(weight.plating)},
            {"stiffeners", part(weight.stiffeners)},
            {"brackets", part(weight.brackets)},
            {"corrugation", part(weight.corrugation)}}},
          {"half", weight.half},
          {"whole", weight.half ? part(weight.whole) : Json(nullptr)},
          {"notes", std::move(notes)}};
}

}  // namespace korain::properties_json
