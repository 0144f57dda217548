// The field table of every stored record: each field's JSON key, member, place
// and column title in the ZEL block, and the values a code may take. The JSON
// writer, reader and schema and the ZEL block's reader and writer all work from
// these; adding a stored field is one line here.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "model/arrangement.h"
#include "model/arrangement_queries.h"
#include "model/codes.h"
#include "model/fields.h"
#include "model/versions.h"
#include "text/line_values.h"

namespace korain {

// Versions from which the block holds the state line, the span reduction and the connection type.
inline constexpr Single kZelVersionWithState = 0.44F;
inline constexpr Single kZelVersionWithSpanReduction = 0.441F;
inline constexpr Single kZelVersionWithConnection = 0.442F;

// A bulkhead name keeps this many characters in the block.
inline constexpr int kBulkheadNameWidth = 40;

// Lists that a line of the file dimensions or grows by an index stop at this
// length, so that a damaged number cannot make a reader claim memory without
// bound. No real bulkhead comes near it.
inline constexpr int kMaxIndexedListLength = 255;

// The filling levels of a compartment share one line with their count, three
// values a level: a compartment holds no more than that line can carry.
inline constexpr int kMaxFillingLevels = (kMaxValuesPerLine - 1) / 3;

// The values of the codes the file holds.
inline constexpr std::array<Long, 9> kProfileTypes{
    profile_type::kNone,  profile_type::kFlatBar,     profile_type::kBulb,
    profile_type::kAngle, profile_type::kTee,         profile_type::kCustom,
    profile_type::kPipe,  profile_type::kUserDefined, profile_type::kPlateReference};
// The curve of the segment that ends at a node: 0 at the first node, 1 straight, 3 and 4 arcs.
inline constexpr std::array<Long, 4> kCurveCodes{0, 1, 3, 4};
inline constexpr std::array<Long, 2> kDirections{kHorizontal, kVertical};
inline constexpr std::array<Long, 2> kSides{kForwardSide, kAftwardSide};
inline constexpr std::array<Long, 3> kBulkheadTypes{kBulkheadSingleSkin, kBulkheadDoubleSkin,
                                                    kBulkheadCorrugated};
inline constexpr std::array<Long, 7> kLoadTypes{0, 1, 2, 3, 4, 5, 6};

template <>
struct Fields<Scantling> {
  static constexpr auto typ =
      field("Typ", &Scantling::Typ, zel(1).titled("typ"))
          .oneOf(kProfileTypes)
          .described(
              "Profile type: 0 none, 1 flat bar, 2 bulb, 3 angle, 4 tee, 5 custom, 6 pipe, 20 user "
              "defined, 100 a plate reference (H1 names a material, E1 a thickness).");
  static constexpr auto h1 =
      field("H1", &Scantling::H1, zel(2).titled("h1")).described("Web height.");
  static constexpr auto e1 =
      field("E1", &Scantling::E1, zel(3).titled("e1")).described("Web thickness.");
  static constexpr auto h2 =
      field("H2", &Scantling::H2, zel(4).titled("h2")).described("Flange width.");
  static constexpr auto e2 =
      field("E2", &Scantling::E2, zel(5).titled("e2")).described("Flange thickness.");
  static constexpr std::tuple stored{typ, h1, e1, h2, e2};
  static constexpr std::tuple unstored{&Scantling::Reserved1, &Scantling::Reserved2};
};

template <>
struct Fields<Node> {
  static constexpr auto y = field("Y", &Node::Y, zel(2).coordinate().titled("y"))
                                .described("Transverse coordinate (m); the file keeps 4 decimals.");
  static constexpr auto z = field("Z", &Node::Z, zel(3).coordinate().titled("z"))
                                .described("Vertical coordinate (m); the file keeps 4 decimals.");
  static constexpr auto shCur =
      field("ShCur", &Node::ShCur, zel(8).titled("Sh.Cur"))
          .oneOf(kCurveCodes)
          .described(
              "Curve code of the segment ending here: 0 first node, 1 straight, 3 or 4 arc.");
  static constexpr auto shYT = field("ShYT", &Node::ShYT, zel(9).titled("Sh.yT"))
                                   .described("y of the arc's tangent point (m).");
  static constexpr auto shZT = field("ShZT", &Node::ShZT, zel(10).titled("Sh.zT"))
                                   .described("z of the arc's tangent point (m).");
  static constexpr auto shR = field("ShR", &Node::ShR, zel(11).titled("Sh.R"))
                                  .described("Arc radius (m); its sign gives the direction.");
  static constexpr std::tuple stored{
      y,
      z,
      Field<Node, Integer>{.name = "Abs",
                           .member = &Node::Abs,
                           .zel = zel(4).titled("Abs°"),
                           .role = FieldRole::Place}
          .described("The node's number: its place in the list. Written by dump; load numbers "
                     "nodes by their place."),
      field("Inter", &Node::Inter, zel(5)).described("Intersection code with the section."),
      field("Ipan", &Node::Ipan, zel(6)).described("Referenced bulkhead (panel)."),
      field("Inod", &Node::Inod, zel(7)).described("Referenced node."),
      shCur,
      shYT,
      shZT,
      shR,
      field("PCod", &Node::PCod, zel(12)).described("Position code."),
      field("knu", &Node::knu, zel(13)).described("Knuckle flag.")};
  static constexpr std::tuple unstored{&Node::ArcValid, &Node::ArcCentreY, &Node::ArcCentreZ,
                                       &Node::ArcStartAngle, &Node::ArcEndAngle};
};

template <>
struct Fields<PrimaryMember> {
  static constexpr auto position =
      field("Position", &PrimaryMember::Position, zel(3).titled("y or z"))
          .described("z of a horizontal member, y of a vertical one (m).");
  static constexpr auto hv = field("HV", &PrimaryMember::HV, zel(2).titled("H/V"))
                                 .oneOf(kDirections)
                                 .described("0 horizontal, 1 vertical.");
  static constexpr std::tuple stored{position, hv};
  static constexpr std::tuple unstored{&PrimaryMember::Extremities, &PrimaryMember::Placed};
};

inline constexpr Condition<Bracket> kEnabledBracket{
    .flag = &Bracket::Enabled,
    .otherwise =
        "the length and scantling of a bracket that is not enabled are not kept by the file"};

template <>
struct Fields<Bracket> {
  static constexpr auto fixed =
      field("Fixed", &Bracket::Fixed, zel(5)).described("The end is fixed.");
  static constexpr auto enabled =
      field("Enabled", &Bracket::Enabled, zel(4).titled("enab"))
          .described("A bracket is fitted; Length and Scantling are kept only then.");
  static constexpr auto length = Field<Bracket, Single>{.name = "Length",
                                                        .member = &Bracket::Length,
                                                        .zel = zel(11),
                                                        .keptWhen = &kEnabledBracket}
                                     .described("Bracket length (m).");
  static constexpr std::tuple stored{fixed, enabled, length,
                                     Field<Bracket, Scantling>{.name = "Scantling",
                                                               .member = &Bracket::Scant,
                                                               .zel = zel(6),
                                                               .keptWhen = &kEnabledBracket}};
  static constexpr std::tuple unstored{&Bracket::ColourIndex};
};

// A span's own scantling is line 1 of its record (SPAN SCANT), its bracket lengths line 2 (SPAN
// BRACK).
inline constexpr Condition<StiffenerSpan> kSpanScantling{
    .flag = &StiffenerSpan::HasScantling,
    .otherwise =
        "the material and scantling of a span without HasScantling are not kept by the file"};
inline constexpr Condition<StiffenerSpan> kSpanBrackets{
    .test = [](const StiffenerSpan& s) { return spanHasBrackets(s); },
    .otherwise = "bracket lengths whose sum is not above 0 are not kept by the file"};

template <>
struct Fields<StiffenerSpan> {
  static constexpr auto hasScantling =
      field("HasScantling", &StiffenerSpan::HasScantling)
          .described("The span has its own scantling; Mat and Scantling are kept only then.");
  static constexpr auto mat = Field<StiffenerSpan, Integer>{.name = "Mat",
                                                            .member = &StiffenerSpan::Mat,
                                                            .zel = zel(9, 1),
                                                            .keptWhen = &kSpanScantling}
                                  .described("Material index.");
  static constexpr auto lowerBracketLength =
      Field<StiffenerSpan, Single>{.name = "LowerBracketLength",
                                   .member = &StiffenerSpan::LowerBracketLength,
                                   .zel = zel(4, 2).titled("Lower brack len"),
                                   .keptWhen = &kSpanBrackets}
          .described("Bracket length at the lower end (m).");
  static constexpr auto upperBracketLength =
      Field<StiffenerSpan, Single>{.name = "UpperBracketLength",
                                   .member = &StiffenerSpan::UpperBracketLength,
                                   .zel = zel(5, 2).titled("Upper brack len"),
                                   .keptWhen = &kSpanBrackets}
          .described(
              "Bracket length at the upper end (m); the two lengths are kept only when their sum "
              "is above 0.");
  static constexpr std::tuple stored{
      hasScantling, mat,
      Field<StiffenerSpan, Scantling>{.name = "Scantling",
                                      .member = &StiffenerSpan::Scant,
                                      .zel = zel(4, 1),
                                      .keptWhen = &kSpanScantling},
      lowerBracketLength, upperBracketLength};
  static constexpr std::tuple unstored{&StiffenerSpan::IntervalNumber, &StiffenerSpan::ColourIndex};
};

template <>
struct Fields<OrdinaryStiffener> {
  static constexpr auto iMat =
      field("iMat", &OrdinaryStiffener::iMat, zel(8)).described("Material index.");
  static constexpr auto spanReduction =
      field("SpanReduction", &OrdinaryStiffener::SpanReduction,
            zel(12).from(kZelVersionWithSpanReduction).titled("Span red"))
          .described("Span reduction.");
  static constexpr auto typeConn =
      field("TypeConn", &OrdinaryStiffener::TypeConn,
            zel(13).from(kZelVersionWithConnection).titled("Type Conn"))
          .described(
              "End connection type: 0 without soft toe, 1 soft toe; other codes are kept and shown "
              "without a text.");
  static constexpr std::tuple stored{
      field("Position", &OrdinaryStiffener::Position, zel(2).titled("y/z"))
          .described("Position (m)."),
      iMat,
      field("Scantling", &OrdinaryStiffener::Scant, zel(3)),
      field("Brackets", &OrdinaryStiffener::Brackets).described("The brackets at the two ends."),
      list("Spans", &OrdinaryStiffener::Spans, kMaxIndexedListLength,
           zel(9).countOf("span", false).titled("Nspan"))
          .described("The spans."),
      spanReduction,
      typeConn};
  static constexpr std::tuple unstored{&OrdinaryStiffener::Extremities,
                                       &OrdinaryStiffener::Selected,
                                       &OrdinaryStiffener::IntervalSpans};
};

template <>
struct Fields<Strake> {
  static constexpr auto y =
      field("Y", &Strake::Y, zel(5).titled("y")).described("Upper y of the strake (m).");
  static constexpr auto th = field("Th", &Strake::Th, zel(6)).described("Plate thickness.");
  static constexpr auto iMat = field("iMat", &Strake::iMat, zel(7)).described("Material index.");
  static constexpr std::tuple stored{y, th, iMat};
  static constexpr std::tuple unstored{&Strake::StrakeNumber, &Strake::Outline,
                                       &Strake::ColourIndex};
};

inline constexpr Condition<StrakeBand> kBandWithStrakes{
    .test = [](const StrakeBand& b) { return b.Strakes.isDimensioned(); },
    .otherwise = "a strake band without strakes is not kept by the file"};

// A band is only ever written as its strakes' lines.
template <>
struct Fields<StrakeBand> {
  static constexpr auto z =
      field("Z", &StrakeBand::Z, zel(4).titled("z")).described("Upper z of the band (m).");
  static constexpr std::tuple stored{z,
                                     list("Strakes", &StrakeBand::Strakes, kMaxIndexedListLength)
                                         .described("The strakes, in order of increasing y; a band "
                                                    "without strakes is not kept by the file.")};
  static constexpr std::tuple unstored{&StrakeBand::CurStrake};
  static constexpr const Condition<StrakeBand>* keptWhen = &kBandWithStrakes;
};

template <>
struct Fields<Corrugation> {
  static constexpr auto start =
      field("Start", &Corrugation::Start, zel(2)).described("Where the corrugation starts (m).");
  static constexpr auto s1 = field("S1", &Corrugation::S1, zel(3)).described("Spacing S1 (m).");
  static constexpr auto a =
      field("A", &Corrugation::A, zel(4).titled("a")).described("Flange width a (m).");
  static constexpr auto d =
      field("D", &Corrugation::D, zel(5).titled("d")).described("Depth d (m).");
  static constexpr auto fixedUpper =
      field("FixedUpper", &Corrugation::FixedUpper, zel(6).titled("Fixed upper and lower support"))
          .described("Upper support fixed.");
  static constexpr auto fixedLower =
      field("FixedLower", &Corrugation::FixedLower, zel(7).underTitleBefore())
          .described("Lower support fixed.");
  static constexpr std::tuple stored{start, s1, a, d, fixedUpper, fixedLower};
  static constexpr std::tuple<> unstored{};
};

// The three values of a level follow one another on the compartment's line 7.
template <>
struct Fields<FillingPoint> {
  static constexpr std::tuple stored{
      field("H", &FillingPoint::H, zel(1).coordinate()).described("Level (m)."),
      field("L", &FillingPoint::L, zel(2).coordinate()).described("Free-surface length (m)."),
      field("B", &FillingPoint::B, zel(3).coordinate()).described("Free-surface breadth (m).")};
  static constexpr std::tuple<> unstored{};
};

// A compartment record is eight lines; line 2 belongs to the kind of block.
template <>
struct Fields<Compartment> {
  static constexpr auto name = field("Name", &Compartment::Name, zel(0, 1));
  static constexpr std::tuple stored{
      name,
      field("A", &Compartment::A, zel(1, 3)).described("Compartment type code."),
      field("B", &Compartment::B, zel(2, 3)).described("Main destination code."),
      field("UseComputedYZ", &Compartment::UseComputedYZ, zel(3, 3))
          .described("Always use computed values for the position."),
      field("UseRuleRoll", &Compartment::UseRuleRoll, zel(4, 3))
          .described("Use the rule roll data."),
      field("Table1", &Compartment::Table1, zel(1, 4).coordinate())
          .described("Dimensions of the compartment; the file keeps 4 decimals."),
      field("N", &Compartment::N, zel(1, 5)).oneOf(kLoadTypes).described("Load type, 0 to 6."),
      field("Table2", &Compartment::Table2, zel(1, 6).coordinate())
          .described("Loading values; the file keeps 4 decimals."),
      field("Table3", &Compartment::Table3, zel(11, 6).coordinate().alternateLoading())
          .described("Loading values of the JBP mode; the file keeps 4 decimals."),
      list("Points", &Compartment::Points, kMaxFillingLevels,
           zel(1, 7).countOf("filling-level", true))
          .described("Filling levels."),
      field("Flag3", &Compartment::Flag3, zel(1, 8))
          .described("Resonance due to pitch considered."),
      field("Flag4", &Compartment::Flag4, zel(2, 8)).described("Resonance due to roll considered."),
      field("Flag5", &Compartment::Flag5, zel(3, 8)).described("Resonance due to sway considered."),
      field("C", &Compartment::C, zel(4, 8)).described("Transverse tank geometry."),
      field("D", &Compartment::D, zel(5, 8)).described("Longitudinal tank geometry."),
      field("Flag6", &Compartment::Flag6, zel(6, 8).alternateLoading())
          .described("Alternate loading (JBP mode).")};
  static constexpr std::tuple unstored{&Compartment::NodeList};
};

template <>
struct Fields<Bulkhead> {
  static constexpr auto name =
      Field<Bulkhead, std::string>{
          .name = "Name", .member = &Bulkhead::Name, .zel = zel(0), .most = kBulkheadNameWidth}
          .described("At most 40 characters: the file keeps no more of a bulkhead name.");
  static constexpr auto typ = field("Typ", &Bulkhead::Typ, zel(1))
                                  .oneOf(kBulkheadTypes)
                                  .described("0 single skin, 1 double skin, 2 corrugated.");
  static constexpr auto iMat =
      field("iMat", &Bulkhead::iMat, zel(2)).described("Material index of the plating.");
  static constexpr auto stfside = field("stfside", &Bulkhead::stfside, zel(4))
                                      .oneOf(kSides)
                                      .described("Side of the stiffeners: 0 forward, 1 aftward.");
  static constexpr auto stfHV =
      field("stfHV", &Bulkhead::stfHV, zel(3))
          .oneOf(kDirections)
          .described("Direction of the ordinary stiffeners: 0 horizontal, 1 vertical.");
  static constexpr auto stool1Enabled =
      field("Stool1Enabled", &Bulkhead::Stool1Enabled, zel(5).titled("stool1 enab,z"))
          .described("Lower stool present.");
  static constexpr auto stool1Z = field("Stool1Z", &Bulkhead::Stool1Z, zel(6).underTitleBefore())
                                      .described("Top of the lower stool (m).");
  static constexpr auto stool2Enabled =
      field("Stool2Enabled", &Bulkhead::Stool2Enabled, zel(7).titled("stool2 enab,z"))
          .described("Upper stool present.");
  static constexpr auto stool2Z = field("Stool2Z", &Bulkhead::Stool2Z, zel(8).underTitleBefore())
                                      .described("Bottom of the upper stool (m).");
  static constexpr auto upperStoolSloped =
      field("UpperStoolSloped", &Bulkhead::UpperStoolSloped, zel(9).underTitleBefore())
          .described("The upper stool is sloped.");
  static constexpr std::tuple stored{
      name,
      typ,
      iMat,
      stfside,
      stfHV,
      stool1Enabled,
      stool1Z,
      stool2Enabled,
      stool2Z,
      upperStoolSloped,
      list("Nodes", &Bulkhead::Nodes).described("Contour nodes."),
      list("PrimaryMembers", &Bulkhead::PrimaryMembers).described("Primary supporting members."),
      list("Stiffeners", &Bulkhead::Stiffeners).described("Ordinary stiffener groups."),
      list("StrakeBands", &Bulkhead::StrakeBands, kMaxIndexedListLength)
          .described("Strake bands of the plating."),
      field("Compartments", &Bulkhead::Compartments)
          .described("The forward, then the aftward compartment."),
      field("Corrugation", &Bulkhead::Corr)};
  static constexpr std::tuple unstored{
      &Bulkhead::Stool1End1, &Bulkhead::Stool1End2, &Bulkhead::Stool2End1,
      &Bulkhead::Stool2End2, &Bulkhead::CurNode,    &Bulkhead::CurPrim,
      &Bulkhead::CurSpan,    &Bulkhead::CurBand,    &Bulkhead::Closed,
      &Bulkhead::EndsJoined, &Bulkhead::YMin,       &Bulkhead::ZMin,
      &Bulkhead::YMax,       &Bulkhead::ZMax,       &Bulkhead::ZLow,
      &Bulkhead::ZHigh,      &Bulkhead::Supports,   &Bulkhead::CorrugationLines};
};

// The general data of the block: the name, the position and stool volume, the
// hoppers, the corroded state, the identifier, one line each.
template <>
struct Fields<Arrangement> {
  static constexpr auto name = field("Name", &Arrangement::Name, zel(0, 1));
  static constexpr auto x = field("X", &Arrangement::X, zel(1, 2).titled("x"))
                                .described("Longitudinal position of the section (m).");
  static constexpr auto symFlag =
      field("SymFlag", &Arrangement::SymFlag, zel(3, 2).titled("symflag"))
          .described("Symmetry flag of the section.");
  static constexpr auto stoolVolume =
      field("StoolVolume", &Arrangement::StoolVolume, zel(2, 2).titled("stoolvol"))
          .described("Stool volume (m3).");
  static constexpr auto foreHopperBreadth =
      field("ForeHopperBreadth", &Arrangement::ForeHopperBreadth,
            zel(3, 3).titled("ForeHop breadth,Ztop"))
          .described("Breadth of the fore hold hopper (m).");
  static constexpr auto foreHopperZTop =
      field("ForeHopperZTop", &Arrangement::ForeHopperZTop, zel(4, 3).underTitleBefore())
          .described("Top of the fore hold hopper (m).");
  static constexpr auto aftHopperBreadth = field("AftHopperBreadth", &Arrangement::AftHopperBreadth,
                                                 zel(1, 3).titled("AftHop Breadth,Ztop"))
                                               .described("Breadth of the aft hold hopper (m).");
  static constexpr auto aftHopperZTop =
      field("AftHopperZTop", &Arrangement::AftHopperZTop, zel(2, 3).underTitleBefore())
          .described("Top of the aft hold hopper (m).");
  static constexpr auto stateType =
      Field<Arrangement, Long>{.name = "StateType",
                               .member = &Arrangement::StateType,
                               .zel = zel(1, 4).from(kZelVersionWithState).titled("State Type"),
                               .role = FieldRole::FromOne}
          .described("State type for the corroded rule calculation.");
  static constexpr auto stateIndex =
      Field<Arrangement, Integer>{.name = "StateIndex",
                                  .member = &Arrangement::StateIndex,
                                  .zel = zel(2, 4).from(kZelVersionWithState).titled("State Index"),
                                  .role = FieldRole::FromOne}
          .described("State index used with StateType.");
  static constexpr std::tuple stored{
      name,
      field("ID", &Arrangement::ID, zel(0, 5))
          .described("Identifier; an arrangement saved without one receives a new one."),
      x,
      symFlag,
      stoolVolume,
      foreHopperBreadth,
      foreHopperZTop,
      aftHopperBreadth,
      aftHopperZTop,
      stateType,
      stateIndex,
      list("Bulkheads", &Arrangement::Bulkheads).described("The bulkheads.")};
  static constexpr std::tuple unstored{&Arrangement::CurBulkhead, &Arrangement::SectionBreadth,
                                       &Arrangement::SectionHeight};
};

}  // namespace korain
