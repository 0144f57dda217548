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
      field("Typ", &Scantling::Typ, zel(1).titled("typ")).oneOf(kProfileTypes);
  static constexpr auto h1 = field("H1", &Scantling::H1, zel(2).titled("h1"));
  static constexpr auto e1 = field("E1", &Scantling::E1, zel(3).titled("e1"));
  static constexpr auto h2 = field("H2", &Scantling::H2, zel(4).titled("h2"));
  static constexpr auto e2 = field("E2", &Scantling::E2, zel(5).titled("e2"));
  static constexpr std::tuple stored{typ, h1, e1, h2, e2};
  static constexpr std::tuple unstored{&Scantling::Reserved1, &Scantling::Reserved2};
};

template <>
struct Fields<Node> {
  static constexpr auto y = field("Y", &Node::Y, zel(2).coordinate().titled("y"));
  static constexpr auto z = field("Z", &Node::Z, zel(3).coordinate().titled("z"));
  static constexpr auto shCur =
      field("ShCur", &Node::ShCur, zel(8).titled("Sh.Cur")).oneOf(kCurveCodes);
  static constexpr auto shYT = field("ShYT", &Node::ShYT, zel(9).titled("Sh.yT"));
  static constexpr auto shZT = field("ShZT", &Node::ShZT, zel(10).titled("Sh.zT"));
  static constexpr auto shR = field("ShR", &Node::ShR, zel(11).titled("Sh.R"));
  static constexpr std::tuple stored{y,
                                     z,
                                     Field<Node, Integer>{.name = "Abs",
                                                          .member = &Node::Abs,
                                                          .zel = zel(4).titled("Abs°"),
                                                          .role = FieldRole::Place},
                                     field("Inter", &Node::Inter, zel(5)),
                                     field("Ipan", &Node::Ipan, zel(6)),
                                     field("Inod", &Node::Inod, zel(7)),
                                     shCur,
                                     shYT,
                                     shZT,
                                     shR,
                                     field("PCod", &Node::PCod, zel(12)),
                                     field("knu", &Node::knu, zel(13))};
  static constexpr std::tuple unstored{&Node::ArcValid, &Node::ArcCentreY, &Node::ArcCentreZ,
                                       &Node::ArcStartAngle, &Node::ArcEndAngle};
};

template <>
struct Fields<PrimaryMember> {
  static constexpr auto position =
      field("Position", &PrimaryMember::Position, zel(3).titled("y or z"));
  static constexpr auto hv =
      field("HV", &PrimaryMember::HV, zel(2).titled("H/V")).oneOf(kDirections);
  static constexpr std::tuple stored{position, hv};
  static constexpr std::tuple unstored{&PrimaryMember::Extremities, &PrimaryMember::Placed};
};

inline constexpr Condition<Bracket> kEnabledBracket{
    .flag = &Bracket::Enabled,
    .otherwise =
        "the length and scantling of a bracket that is not enabled are not kept by the file"};

template <>
struct Fields<Bracket> {
  static constexpr auto fixed = field("Fixed", &Bracket::Fixed, zel(5));
  static constexpr auto enabled = field("Enabled", &Bracket::Enabled, zel(4).titled("enab"));
  static constexpr Field<Bracket, Single> length{
      .name = "Length", .member = &Bracket::Length, .zel = zel(11), .keptWhen = &kEnabledBracket};
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
  static constexpr auto hasScantling = field("HasScantling", &StiffenerSpan::HasScantling);
  static constexpr Field<StiffenerSpan, Integer> mat{
      .name = "Mat", .member = &StiffenerSpan::Mat, .zel = zel(9, 1), .keptWhen = &kSpanScantling};
  static constexpr Field<StiffenerSpan, Single> lowerBracketLength{
      .name = "LowerBracketLength",
      .member = &StiffenerSpan::LowerBracketLength,
      .zel = zel(4, 2).titled("Lower brack len"),
      .keptWhen = &kSpanBrackets};
  static constexpr Field<StiffenerSpan, Single> upperBracketLength{
      .name = "UpperBracketLength",
      .member = &StiffenerSpan::UpperBracketLength,
      .zel = zel(5, 2).titled("Upper brack len"),
      .keptWhen = &kSpanBrackets};
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
  static constexpr auto iMat = field("iMat", &OrdinaryStiffener::iMat, zel(8));
  static constexpr auto spanReduction =
      field("SpanReduction", &OrdinaryStiffener::SpanReduction,
            zel(12).from(kZelVersionWithSpanReduction).titled("Span red"));
  static constexpr auto typeConn =
      field("TypeConn", &OrdinaryStiffener::TypeConn,
            zel(13).from(kZelVersionWithConnection).titled("Type Conn"));
  static constexpr std::tuple stored{
      field("Position", &OrdinaryStiffener::Position, zel(2).titled("y/z")),
      iMat,
      field("Scantling", &OrdinaryStiffener::Scant, zel(3)),
      field("Brackets", &OrdinaryStiffener::Brackets),
      list("Spans", &OrdinaryStiffener::Spans, kMaxIndexedListLength,
           zel(9).countOf("span", false).titled("Nspan")),
      spanReduction,
      typeConn};
  static constexpr std::tuple unstored{&OrdinaryStiffener::Extremities,
                                       &OrdinaryStiffener::Selected,
                                       &OrdinaryStiffener::IntervalSpans};
};

template <>
struct Fields<Strake> {
  static constexpr auto y = field("Y", &Strake::Y, zel(5).titled("y"));
  static constexpr auto th = field("Th", &Strake::Th, zel(6));
  static constexpr auto iMat = field("iMat", &Strake::iMat, zel(7));
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
  static constexpr auto z = field("Z", &StrakeBand::Z, zel(4).titled("z"));
  static constexpr std::tuple stored{z,
                                     list("Strakes", &StrakeBand::Strakes, kMaxIndexedListLength)};
  static constexpr std::tuple unstored{&StrakeBand::CurStrake};
  static constexpr const Condition<StrakeBand>* keptWhen = &kBandWithStrakes;
};

template <>
struct Fields<Corrugation> {
  static constexpr auto start = field("Start", &Corrugation::Start, zel(2));
  static constexpr auto s1 = field("S1", &Corrugation::S1, zel(3));
  static constexpr auto a = field("A", &Corrugation::A, zel(4).titled("a"));
  static constexpr auto d = field("D", &Corrugation::D, zel(5).titled("d"));
  static constexpr auto fixedUpper =
      field("FixedUpper", &Corrugation::FixedUpper, zel(6).titled("Fixed upper and lower support"));
  static constexpr auto fixedLower =
      field("FixedLower", &Corrugation::FixedLower, zel(7).underTitleBefore());
  static constexpr std::tuple stored{start, s1, a, d, fixedUpper, fixedLower};
  static constexpr std::tuple<> unstored{};
};

// The three values of a level follow one another on the compartment's line 7.
template <>
struct Fields<FillingPoint> {
  static constexpr std::tuple stored{field("H", &FillingPoint::H, zel(1).coordinate()),
                                     field("L", &FillingPoint::L, zel(2).coordinate()),
                                     field("B", &FillingPoint::B, zel(3).coordinate())};
  static constexpr std::tuple<> unstored{};
};

// A compartment record is eight lines; line 2 belongs to the kind of block.
template <>
struct Fields<Compartment> {
  static constexpr auto name = field("Name", &Compartment::Name, zel(0, 1));
  static constexpr std::tuple stored{
      name,
      field("A", &Compartment::A, zel(1, 3)),
      field("B", &Compartment::B, zel(2, 3)),
      field("UseComputedYZ", &Compartment::UseComputedYZ, zel(3, 3)),
      field("UseRuleRoll", &Compartment::UseRuleRoll, zel(4, 3)),
      field("Table1", &Compartment::Table1, zel(1, 4).coordinate()),
      field("N", &Compartment::N, zel(1, 5)).oneOf(kLoadTypes),
      field("Table2", &Compartment::Table2, zel(1, 6).coordinate()),
      field("Table3", &Compartment::Table3, zel(11, 6).coordinate().alternateLoading()),
      list("Points", &Compartment::Points, kMaxFillingLevels,
           zel(1, 7).countOf("filling-level", true)),
      field("Flag3", &Compartment::Flag3, zel(1, 8)),
      field("Flag4", &Compartment::Flag4, zel(2, 8)),
      field("Flag5", &Compartment::Flag5, zel(3, 8)),
      field("C", &Compartment::C, zel(4, 8)),
      field("D", &Compartment::D, zel(5, 8)),
      field("Flag6", &Compartment::Flag6, zel(6, 8).alternateLoading())};
  static constexpr std::tuple unstored{&Compartment::NodeList};
};

template <>
struct Fields<Bulkhead> {
  static constexpr Field<Bulkhead, std::string> name{
      .name = "Name", .member = &Bulkhead::Name, .zel = zel(0), .most = kBulkheadNameWidth};
  static constexpr auto typ = field("Typ", &Bulkhead::Typ, zel(1)).oneOf(kBulkheadTypes);
  static constexpr auto iMat = field("iMat", &Bulkhead::iMat, zel(2));
  static constexpr auto stfside = field("stfside", &Bulkhead::stfside, zel(4)).oneOf(kSides);
  static constexpr auto stfHV = field("stfHV", &Bulkhead::stfHV, zel(3)).oneOf(kDirections);
  static constexpr auto stool1Enabled =
      field("Stool1Enabled", &Bulkhead::Stool1Enabled, zel(5).titled("stool1 enab,z"));
  static constexpr auto stool1Z = field("Stool1Z", &Bulkhead::Stool1Z, zel(6).underTitleBefore());
  static constexpr auto stool2Enabled =
      field("Stool2Enabled", &Bulkhead::Stool2Enabled, zel(7).titled("stool2 enab,z"));
  static constexpr auto stool2Z = field("Stool2Z", &Bulkhead::Stool2Z, zel(8).underTitleBefore());
  static constexpr auto upperStoolSloped =
      field("UpperStoolSloped", &Bulkhead::UpperStoolSloped, zel(9).underTitleBefore());
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
      list("Nodes", &Bulkhead::Nodes),
      list("PrimaryMembers", &Bulkhead::PrimaryMembers),
      list("Stiffeners", &Bulkhead::Stiffeners),
      list("StrakeBands", &Bulkhead::StrakeBands, kMaxIndexedListLength),
      field("Compartments", &Bulkhead::Compartments),
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
  static constexpr auto x = field("X", &Arrangement::X, zel(1, 2).titled("x"));
  static constexpr auto symFlag =
      field("SymFlag", &Arrangement::SymFlag, zel(3, 2).titled("symflag"));
  static constexpr auto stoolVolume =
      field("StoolVolume", &Arrangement::StoolVolume, zel(2, 2).titled("stoolvol"));
  static constexpr auto foreHopperBreadth =
      field("ForeHopperBreadth", &Arrangement::ForeHopperBreadth,
            zel(3, 3).titled("ForeHop breadth,Ztop"));
  static constexpr auto foreHopperZTop =
      field("ForeHopperZTop", &Arrangement::ForeHopperZTop, zel(4, 3).underTitleBefore());
  static constexpr auto aftHopperBreadth = field("AftHopperBreadth", &Arrangement::AftHopperBreadth,
                                                 zel(1, 3).titled("AftHop Breadth,Ztop"));
  static constexpr auto aftHopperZTop =
      field("AftHopperZTop", &Arrangement::AftHopperZTop, zel(2, 3).underTitleBefore());
  static constexpr Field<Arrangement, Long> stateType{
      .name = "StateType",
      .member = &Arrangement::StateType,
      .zel = zel(1, 4).from(kZelVersionWithState).titled("State Type"),
      .role = FieldRole::FromOne};
  static constexpr Field<Arrangement, Integer> stateIndex{
      .name = "StateIndex",
      .member = &Arrangement::StateIndex,
      .zel = zel(2, 4).from(kZelVersionWithState).titled("State Index"),
      .role = FieldRole::FromOne};
  static constexpr std::tuple stored{name,
                                     field("ID", &Arrangement::ID, zel(0, 5)),
                                     x,
                                     symFlag,
                                     stoolVolume,
                                     foreHopperBreadth,
                                     foreHopperZTop,
                                     aftHopperBreadth,
                                     aftHopperZTop,
                                     stateType,
                                     stateIndex,
                                     list("Bulkheads", &Arrangement::Bulkheads)};
  static constexpr std::tuple unstored{&Arrangement::CurBulkhead, &Arrangement::SectionBreadth,
                                       &Arrangement::SectionHeight};
};

}  // namespace korain
