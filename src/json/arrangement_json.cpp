// The arrangement as JSON, for the dump command and for comparing files by content.
#include "arrangement_json.h"

#include "computed_json.h"
#include "json_numbers.h"

namespace korain {
namespace {

using Json = nlohmann::ordered_json;

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

Json corrugation(const Corrugation& c) {
  return {{"Start", single(c.Start)}, {"S1", single(c.S1)},         {"A", single(c.A)},
          {"D", single(c.D)},         {"FixedUpper", c.FixedUpper}, {"FixedLower", c.FixedLower}};
}

Json fillingPoint(const FillingPoint& p) {
  return {{"H", single(p.H)}, {"L", single(p.L)}, {"B", single(p.B)}};
}

// The stored fields of every object, and with `computed` its computed fields
// under the key "computed".
class ArrangementJson {
 public:
  explicit ArrangementJson(bool computed) : computed_(computed) {}

  Json arrangement(const Arrangement& a) const {
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
            {"Bulkheads", array(a.Bulkheads, [this](const Bulkhead& b) { return bulkhead(b); })}};
  }

 private:
  Json withComputed(Json stored, const Json& computed) const {
    if (computed_ && !computed.is_null()) stored["computed"] = computed;
    return stored;
  }

  Json node(const Node& n) const {
    return withComputed({{"Y", single(n.Y)},
                         {"Z", single(n.Z)},
                         {"Abs", n.Abs},
                         {"Inter", n.Inter},
                         {"Ipan", n.Ipan},
                         {"Inod", n.Inod},
                         {"ShCur", n.ShCur},
                         {"ShYT", single(n.ShYT)},
                         {"ShZT", single(n.ShZT)},
                         {"ShR", single(n.ShR)},
                         {"PCod", n.PCod},
                         {"knu", n.knu}},
                        computed_json::node(n));
  }

  Json primaryMember(const PrimaryMember& m) const {
    return withComputed({{"Position", single(m.Position)}, {"HV", m.HV}},
                        computed_json::primaryMember(m));
  }

  Json bracket(const Bracket& b) const {
    return withComputed({{"Fixed", b.Fixed},
                         {"Enabled", b.Enabled},
                         {"Length", single(b.Length)},
                         {"Scantling", scantling(b.Scant)}},
                        computed_json::bracket(b));
  }

  Json span(const StiffenerSpan& s) const {
    return withComputed({{"HasScantling", s.HasScantling},
                         {"Mat", s.Mat},
                         {"Scantling", scantling(s.Scant)},
                         {"LowerBracketLength", single(s.LowerBracketLength)},
                         {"UpperBracketLength", single(s.UpperBracketLength)}},
                        computed_json::span(s));
  }

  Json stiffener(const OrdinaryStiffener& s) const {
    return withComputed(
        {{"Position", single(s.Position)},
         {"iMat", s.iMat},
         {"Scantling", scantling(s.Scant)},
         {"Brackets", array(s.Brackets, [this](const Bracket& b) { return bracket(b); })},
         {"Spans", array(s.Spans, [this](const StiffenerSpan& p) { return span(p); })},
         {"SpanReduction", single(s.SpanReduction)},
         {"TypeConn", s.TypeConn}},
        computed_json::stiffener(s));
  }

  Json strake(const Strake& s) const {
    return withComputed({{"Y", single(s.Y)}, {"Th", single(s.Th)}, {"iMat", s.iMat}},
                        computed_json::strake(s));
  }

  Json strakeBand(const StrakeBand& b) const {
    return {{"Z", single(b.Z)},
            {"Strakes", array(b.Strakes, [this](const Strake& s) { return strake(s); })}};
  }

  Json compartment(const Compartment& c) const {
    return withComputed({{"Name", c.Name},
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
                         {"Flag6", c.Flag6}},
                        computed_json::compartment(c));
  }

  Json bulkhead(const Bulkhead& b) const {
    return withComputed(
        {{"Name", b.Name},
         {"Typ", b.Typ},
         {"iMat", b.iMat},
         {"stfside", b.stfside},
         {"stfHV", b.stfHV},
         {"Stool1Enabled", b.Stool1Enabled},
         {"Stool1Z", single(b.Stool1Z)},
         {"Stool2Enabled", b.Stool2Enabled},
         {"Stool2Z", single(b.Stool2Z)},
         {"UpperStoolSloped", b.UpperStoolSloped},
         {"Nodes", array(b.Nodes, [this](const Node& n) { return node(n); })},
         {"PrimaryMembers",
          array(b.PrimaryMembers, [this](const PrimaryMember& m) { return primaryMember(m); })},
         {"Stiffeners",
          array(b.Stiffeners, [this](const OrdinaryStiffener& s) { return stiffener(s); })},
         {"StrakeBands",
          array(b.StrakeBands, [this](const StrakeBand& s) { return strakeBand(s); })},
         {"Compartments",
          array(b.Compartments, [this](const Compartment& c) { return compartment(c); })},
         {"Corrugation", corrugation(b.Corr)}},
        computed_json::bulkhead(b));
  }

  bool computed_;
};

}  // namespace

Json arrangementJson(const Arrangement& arrangement, ComputedFields computed) {
  return ArrangementJson(computed == ComputedFields::Included).arrangement(arrangement);
}

}  // namespace korain
