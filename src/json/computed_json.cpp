// The computed geometry of each object as JSON, for the dump command.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "computed_json.h"

#include "geometry/contour_arc.h"
#include "json_numbers.h"
#include "model/compartment_tables.h"

namespace korain::computed_json {
namespace {

Json singles(const List<Single>& list) {
  Json result = Json::array();
  for (const Single value : list) result.push_back(single(value));
  return result;
}

Json point(Single y, Single z) { return Json::array({single(y), single(z)}); }

Json supportInterval(const SupportInterval& s) {
  return {{"Start", single(s.Start)},
          {"StartMember", s.StartMember},
          {"End", single(s.End)},
          {"EndMember", s.EndMember}};
}

Json corrugationLine(const CorrugationLine& line) {
  return {{"Position", single(line.Position)}, {"Extremities", singles(line.Extremities)}};
}

}  // namespace

Json of(const Bulkhead& b) {
  Json supports = Json::array();
  for (const SupportInterval& s : b.Supports) supports.push_back(supportInterval(s));
  Json lines = Json::array();
  for (const CorrugationLine& line : b.CorrugationLines) lines.push_back(corrugationLine(line));
  return {{"Closed", b.Closed},
          {"EndsJoined", b.EndsJoined},
          {"YMin", single(b.YMin)},
          {"ZMin", single(b.ZMin)},
          {"YMax", single(b.YMax)},
          {"ZMax", single(b.ZMax)},
          {"ZLow", single(b.ZLow)},
          {"ZHigh", single(b.ZHigh)},
          {"Stool1Ends", point(b.Stool1End1, b.Stool1End2)},
          {"Stool2Ends", point(b.Stool2End1, b.Stool2End2)},
          {"Supports", supports},
          {"CorrugationLines", lines}};
}

Json of(const Node& n) {
  if (!isArcCode(n.ShCur)) return nullptr;
  return {{"ArcValid", n.ArcValid},
          {"ArcCentre", point(n.ArcCentreY, n.ArcCentreZ)},
          {"ArcStartAngle", single(n.ArcStartAngle)},
          {"ArcEndAngle", single(n.ArcEndAngle)}};
}

Json of(const PrimaryMember& m) {
  return {{"Placed", single(m.Placed)}, {"Extremities", singles(m.Extremities)}};
}

Json of(const OrdinaryStiffener& s) {
  Json intervalSpans = Json::array();
  for (const Integer span : s.IntervalSpans) intervalSpans.push_back(span);
  return {{"Extremities", singles(s.Extremities)}, {"IntervalSpans", intervalSpans}};
}

Json of(const StiffenerSpan& s) {
  return {{"IntervalNumber", s.IntervalNumber}, {"ColourIndex", s.ColourIndex}};
}

Json of(const Bracket& b) { return {{"ColourIndex", b.ColourIndex}}; }

Json of(const Strake& s) {
  Json outline = Json::array();
  for (const StrakePoint& p : s.Outline) outline.push_back(point(p.Y, p.Z));
  return {{"StrakeNumber", s.StrakeNumber}, {"Outline", outline}, {"ColourIndex", s.ColourIndex}};
}

Json of(const Compartment& c) {
  return {{"CentreY", single(c.Table1.at(kCentreYEntry))},
          {"CentreZ", single(c.Table1.at(kCentreZEntry))},
          {"Bottom", single(c.Table1.at(kBottomEntry))},
          {"Top", single(c.Table1.at(kTopEntry))}};
}

}  // namespace korain::computed_json
