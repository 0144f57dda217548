// What the schema of the arrangement says of each record in words: its name
// among the definitions, what it is and what its fields mean.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "model/arrangement.h"

namespace korain::schema_notes {

struct FieldNote {
  std::string_view key;
  std::string_view text;
};

template <typename Record>
struct Notes;

template <>
struct Notes<Scantling> {
  static constexpr std::string_view name = "scantling";
  static constexpr std::string_view text = "Profile dimensions.";
  static constexpr FieldNote fields[] = {
      {"Typ",
       "Profile type: 0 none, 1 flat bar, 2 bulb, 3 angle, 4 tee, 5 custom, 6 pipe, 20 user "
       "defined, 100 a plate reference (H1 names a material, E1 a thickness)."},
      {"H1", "Web height."},
      {"E1", "Web thickness."},
      {"H2", "Flange width."},
      {"E2", "Flange thickness."}};
};

template <>
struct Notes<Node> {
  static constexpr std::string_view name = "node";
  static constexpr std::string_view text = "A contour node.";
  static constexpr FieldNote fields[] = {
      {"Y", "Transverse coordinate (m); the file keeps 4 decimals."},
      {"Z", "Vertical coordinate (m); the file keeps 4 decimals."},
      {"Abs",
       "The node's number: its place in the list. Written by dump; load numbers nodes by their "
       "place."},
      {"Inter", "Intersection code with the section."},
      {"Ipan", "Referenced bulkhead (panel)."},
      {"Inod", "Referenced node."},
      {"ShCur", "Curve code of the segment ending here: 0 first node, 1 straight, 3 or 4 arc."},
      {"ShYT", "y of the arc's tangent point (m)."},
      {"ShZT", "z of the arc's tangent point (m)."},
      {"ShR", "Arc radius (m); its sign gives the direction."},
      {"PCod", "Position code."},
      {"knu", "Knuckle flag."}};
};

template <>
struct Notes<PrimaryMember> {
  static constexpr std::string_view name = "primaryMember";
  static constexpr std::string_view text = "A primary supporting member.";
  static constexpr FieldNote fields[] = {
      {"Position", "z of a horizontal member, y of a vertical one (m)."},
      {"HV", "0 horizontal, 1 vertical."}};
};

template <>
struct Notes<Bracket> {
  static constexpr std::string_view name = "bracket";
  static constexpr std::string_view text = "One end of an ordinary stiffener.";
  static constexpr FieldNote fields[] = {
      {"Fixed", "The end is fixed."},
      {"Enabled", "A bracket is fitted; Length and Scantling are kept only then."},
      {"Length", "Bracket length (m)."}};
};

template <>
struct Notes<StiffenerSpan> {
  static constexpr std::string_view name = "span";
  static constexpr std::string_view text = "A span of an ordinary stiffener.";
  static constexpr FieldNote fields[] = {
      {"HasScantling", "The span has its own scantling; Mat and Scantling are kept only then."},
      {"Mat", "Material index."},
      {"LowerBracketLength", "Bracket length at the lower end (m)."},
      {"UpperBracketLength",
       "Bracket length at the upper end (m); the two lengths are kept only when their sum is "
       "above 0."}};
};

template <>
struct Notes<OrdinaryStiffener> {
  static constexpr std::string_view name = "stiffener";
  static constexpr std::string_view text = "A group of ordinary stiffeners.";
  static constexpr FieldNote fields[] = {
      {"Position", "Position (m)."},
      {"iMat", "Material index."},
      {"Brackets", "The brackets at the two ends."},
      {"Spans", "The spans."},
      {"SpanReduction", "Span reduction."},
      {"TypeConn",
       "End connection type: 0 without soft toe, 1 soft toe; other codes are kept and shown "
       "without a text."}};
};

template <>
struct Notes<Strake> {
  static constexpr std::string_view name = "strake";
  static constexpr std::string_view text = "A strake.";
  static constexpr FieldNote fields[] = {
      {"Y", "Upper y of the strake (m)."}, {"Th", "Plate thickness."}, {"iMat", "Material index."}};
};

template <>
struct Notes<StrakeBand> {
  static constexpr std::string_view name = "strakeBand";
  static constexpr std::string_view text = "A strake band.";
  static constexpr FieldNote fields[] = {
      {"Z", "Upper z of the band (m)."},
      {"Strakes",
       "The strakes, in order of increasing y; a band without strakes is not kept by the file."}};
};

template <>
struct Notes<FillingPoint> {
  static constexpr std::string_view name = "fillingPoint";
  static constexpr std::string_view text = "A filling level; the file keeps 4 decimals.";
  static constexpr FieldNote fields[] = {
      {"H", "Level (m)."}, {"L", "Free-surface length (m)."}, {"B", "Free-surface breadth (m)."}};
};

template <>
struct Notes<Compartment> {
  static constexpr std::string_view name = "compartment";
  static constexpr std::string_view text = "A compartment beside a bulkhead.";
  static constexpr FieldNote fields[] = {
      {"A", "Compartment type code."},
      {"B", "Main destination code."},
      {"UseComputedYZ", "Always use computed values for the position."},
      {"UseRuleRoll", "Use the rule roll data."},
      {"Table1", "Dimensions of the compartment; the file keeps 4 decimals."},
      {"N", "Load type, 0 to 6."},
      {"Table2", "Loading values; the file keeps 4 decimals."},
      {"Table3", "Loading values of the JBP mode; the file keeps 4 decimals."},
      {"Points", "Filling levels."},
      {"Flag3", "Resonance due to pitch considered."},
      {"Flag4", "Resonance due to roll considered."},
      {"Flag5", "Resonance due to sway considered."},
      {"C", "Transverse tank geometry."},
      {"D", "Longitudinal tank geometry."},
      {"Flag6", "Alternate loading (JBP mode)."}};
};

template <>
struct Notes<Corrugation> {
  static constexpr std::string_view name = "corrugation";
  static constexpr std::string_view text = "Corrugation of a corrugated bulkhead.";
  static constexpr FieldNote fields[] = {{"Start", "Where the corrugation starts (m)."},
                                         {"S1", "Spacing S1 (m)."},
                                         {"A", "Flange width a (m)."},
                                         {"D", "Depth d (m)."},
                                         {"FixedUpper", "Upper support fixed."},
                                         {"FixedLower", "Lower support fixed."}};
};

template <>
struct Notes<Bulkhead> {
  static constexpr std::string_view name = "bulkhead";
  static constexpr std::string_view text = "A bulkhead.";
  static constexpr FieldNote fields[] = {
      {"Name", "At most 40 characters: the file keeps no more of a bulkhead name."},
      {"Typ", "0 single skin, 1 double skin, 2 corrugated."},
      {"iMat", "Material index of the plating."},
      {"stfside", "Side of the stiffeners: 0 forward, 1 aftward."},
      {"stfHV", "Direction of the ordinary stiffeners: 0 horizontal, 1 vertical."},
      {"Stool1Enabled", "Lower stool present."},
      {"Stool1Z", "Top of the lower stool (m)."},
      {"Stool2Enabled", "Upper stool present."},
      {"Stool2Z", "Bottom of the upper stool (m)."},
      {"UpperStoolSloped", "The upper stool is sloped."},
      {"Nodes", "Contour nodes."},
      {"PrimaryMembers", "Primary supporting members."},
      {"Stiffeners", "Ordinary stiffener groups."},
      {"StrakeBands", "Strake bands of the plating."},
      {"Compartments", "The forward, then the aftward compartment."}};
};

template <>
struct Notes<Arrangement> {
  static constexpr std::string_view name = "arrangement";
  static constexpr std::string_view text = "The arrangement.";
  static constexpr FieldNote fields[] = {
      {"ID", "Identifier; an arrangement saved without one receives a new one."},
      {"X", "Longitudinal position of the section (m)."},
      {"SymFlag", "Symmetry flag of the section."},
      {"StoolVolume", "Stool volume (m3)."},
      {"ForeHopperBreadth", "Breadth of the fore hold hopper (m)."},
      {"ForeHopperZTop", "Top of the fore hold hopper (m)."},
      {"AftHopperBreadth", "Breadth of the aft hold hopper (m)."},
      {"AftHopperZTop", "Top of the aft hold hopper (m)."},
      {"StateType", "State type for the corroded rule calculation."},
      {"StateIndex", "State index used with StateType."},
      {"Bulkheads", "The bulkheads."}};
};

}  // namespace korain::schema_notes
