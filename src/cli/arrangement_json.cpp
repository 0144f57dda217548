// The arrangement as JSON, for the dump command and for comparing files by content.
#include "arrangement_json.h"

#include <charconv>
#include <cstdlib>

namespace korain {
namespace {

using Json = nlohmann::ordered_json;

// A Single shown with the digits it was written with (0.443, not 0.44299998879).
Json single(Single value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text - 1, value);
  *result.ptr = '\0';
  return std::strtod(text, nullptr);
}

template <typename T, typename ToJson>
Json array(const T& list, ToJson toJson) {
  Json result = Json::array();
  for (const auto& item : list) result.push_back(toJson(item));
  return result;
}

Json singles(const auto& list) { return array(list, single); }

Json scantling(const Scantling& s) {
  return {{"Typ", s.Typ},
          {"H1", single(s.H1)},
          {"E1", single(s.E1)},
          {"H2", single(s.H2)},
          {"E2", single(s.E2)}};
}

Json node(const Node& n) {
  return {{"Y", single(n.Y)},     {"Z", single(n.Z)},       {"Abs", n.Abs},
          {"Inter", n.Inter},     {"Ipan", n.Ipan},         {"Inod", n.Inod},
          {"ShCur", n.ShCur},     {"ShYT", single(n.ShYT)}, {"ShZT", single(n.ShZT)},
          {"ShR", single(n.ShR)}, {"PCod", n.PCod},         {"knu", n.knu}};
}

Json primaryMember(const PrimaryMember& m) {
  return {{"Position", single(m.Position)}, {"HV", m.HV}};
}

Json bracket(const Bracket& b) {
  return {{"Fixed", b.Fixed},
          {"Enabled", b.Enabled},
          {"Length", single(b.Length)},
          {"Scantling", scantling(b.Scant)}};
}

Json span(const StiffenerSpan& s) {
  return {{"HasScantling", s.HasScantling},
          {"Mat", s.Mat},
          {"Scantling", scantling(s.Scant)},
          {"LowerBracketLength", single(s.LowerBracketLength)},
          {"UpperBracketLength", single(s.UpperBracketLength)}};
}

Json stiffener(const OrdinaryStiffener& s) {
  return {{"Position", single(s.Position)},  {"iMat", s.iMat},
          {"Scantling", scantling(s.Scant)}, {"Brackets", array(s.Brackets, bracket)},
          {"Spans", array(s.Spans, span)},   {"SpanReduction", single(s.SpanReduction)},
          {"TypeConn", s.TypeConn}};
}

Json strake(const Strake& s) {
  return {{"Y", single(s.Y)}, {"Th", single(s.Th)}, {"iMat", s.iMat}};
}

Json strakeBand(const StrakeBand& b) {
  return {{"Z", single(b.Z)}, {"Strakes", array(b.Strakes, strake)}};
}

Json corrugation(const Corrugation& c) {
  return {{"Start", single(c.Start)}, {"S1", single(c.S1)},         {"A", single(c.A)},
          {"D", single(c.D)},         {"FixedUpper", c.FixedUpper}, {"FixedLower", c.FixedLower}};
}

Json fillingPoint(const FillingPoint& p) {
  return {{"H", single(p.H)}, {"L", single(p.L)}, {"B", single(p.B)}};
}

Json compartment(const Compartment& c) {
  return {{"Name", c.Name},
          {"A", c.A},
          {"B", c.B},
          {"UseComputedYZ", c.UseComputedYZ},
          {"UseRuleRoll", c.UseRuleRoll},
          {"Table1", singles(c.Table1)},
          {"N", c.N},
          {"Table2", singles(c.Table2)},
          {"Table3", singles(c.Table3)},
          {"Points", array(c.Points, fillingPoint)},
          {"Flag3", c.Flag3},
          {"Flag4", c.Flag4},
          {"Flag5", c.Flag5},
          {"C", c.C},
          {"D", c.D},
          {"Flag6", c.Flag6}};
}

Json bulkhead(const Bulkhead& b) {
  return {{"Name", b.Name},
          {"Typ", b.Typ},
          {"iMat", b.iMat},
          {"stfside", b.stfside},
          {"stfHV", b.stfHV},
          {"Stool1Enabled", b.Stool1Enabled},
          {"Stool1Z", single(b.Stool1Z)},
          {"Stool2Enabled", b.Stool2Enabled},
          {"Stool2Z", single(b.Stool2Z)},
          {"UpperStoolSloped", b.UpperStoolSloped},
          {"Nodes", array(b.Nodes, node)},
          {"PrimaryMembers", array(b.PrimaryMembers, primaryMember)},
          {"Stiffeners", array(b.Stiffeners, stiffener)},
          {"StrakeBands", array(b.StrakeBands, strakeBand)},
          {"Compartments", array(b.Compartments, compartment)},
          {"Corrugation", corrugation(b.Corr)}};
}

}  // namespace

Json arrangementJson(const Arrangement& a) {
  return {{"Name", a.Name},
          {"ID", a.ID},
          {"X", single(a.X)},
          {"SymFlag", a.SymFlag},
          {"StoolVolume", single(a.StoolVolume)},
          {"ForeHopperBreadth", single(a.ForeHopperBreadth)},
          {"ForeHopperZTop", single(a.ForeHopperZTop)},
          {"AftHopperBreadth", single(a.AftHopperBreadth)},
          {"AftHopperZTop", single(a.AftHopperZTop)},
          {"StateType", a.StateType},
          {"StateIndex", a.StateIndex},
          {"Bulkheads", array(a.Bulkheads, bulkhead)}};
}

}  // namespace korain
