// The records of a bulkhead arrangement: what the ZEL block stores, plus the
// selection and computed fields that live only in memory.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "model/list.h"

namespace korain {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;

// Profile dimensions, shared by stiffeners, spans and brackets. The two reserved
// values travel with the record but are never written.
struct Scantling {
  Long Typ = 0;
  Single H1 = 0;
  Single E1 = 0;
  Single Reserved1 = 0;
  Single H2 = 0;
  Single E2 = 0;
  Single Reserved2 = 0;

  bool operator==(const Scantling&) const = default;
};

struct Node {
  Single Y = 0;
  Single Z = 0;
  Integer Abs = 0;
  Long Inter = 0;
  Integer Ipan = 0;
  Integer Inod = 0;
  Long ShCur = 0;
  Single ShYT = 0;
  Single ShZT = 0;
  Single ShR = 0;
  Long PCod = 0;
  Integer knu = 0;

  // Computed for arc nodes by the geometry. ArcValid is false when the data
  // cannot describe an arc; the segment is then taken as straight.
  bool ArcValid = false;
  Single ArcCentreY = 0;
  Single ArcCentreZ = 0;
  Single ArcStartAngle = 0;
  Single ArcEndAngle = 0;

  bool operator==(const Node&) const = default;
};

struct PrimaryMember {
  Single Position = 0;
  List<Single> Extremities;  // computed
  Long HV = 0;

  // Computed: where the geometry puts the member, its Position moved within
  // the plane part of the bulkhead. Position itself stays as typed.
  Single Placed = 0;

  bool operator==(const PrimaryMember&) const = default;
};

struct Bracket {
  bool Fixed = false;
  bool Enabled = false;
  Single Length = 0;
  Scantling Scant;

  Long ColourIndex = 0;  // computed by the check legend

  bool operator==(const Bracket&) const = default;
};

struct StiffenerSpan {
  bool HasScantling = false;
  Integer Mat = 0;
  Scantling Scant;
  Single LowerBracketLength = 0;
  Single UpperBracketLength = 0;

  Integer IntervalNumber = 0;  // computed: the support interval that holds the span
  Long ColourIndex = 0;        // computed by the check legend

  bool operator==(const StiffenerSpan&) const = default;
};

struct OrdinaryStiffener {
  Single Position = 0;
  List<Single> Extremities;  // computed
  Integer iMat = 0;
  Scantling Scant;
  FixedList<Bracket, 2> Brackets;
  List<StiffenerSpan> Spans;
  Single SpanReduction = 0;
  Long TypeConn = 0;

  bool Selected = false;  // selection of the stiffeners panel

  List<Integer> IntervalSpans;  // computed: span number of each support interval

  bool operator==(const OrdinaryStiffener&) const = default;
};

struct StrakePoint {
  Single Y = 0;
  Single Z = 0;
  bool operator==(const StrakePoint&) const = default;
};

struct Strake {
  Single Y = 0;
  Single Th = 0;
  Integer iMat = 0;

  Integer StrakeNumber = 0;   // computed
  List<StrakePoint> Outline;  // computed
  Long ColourIndex = 0;       // computed by the check legend

  bool operator==(const Strake&) const = default;
};

struct StrakeBand {
  Single Z = 0;
  List<Strake> Strakes;

  Integer CurStrake = 0;  // selection

  bool operator==(const StrakeBand&) const = default;
};

// An interval along the stiffener direction between two primary members that
// cross the stiffeners; member 0 stands for the end of the plane part.
struct SupportInterval {
  Single Start = 0;
  Integer StartMember = 0;
  Single End = 0;
  Integer EndMember = 0;

  bool operator==(const SupportInterval&) const = default;
};

// A knuckle line of a corrugated bulkhead, with the abscissae where it starts,
// is crossed and ends.
struct CorrugationLine {
  Single Position = 0;
  List<Single> Extremities;

  bool operator==(const CorrugationLine&) const = default;
};

struct Corrugation {
  Single Start = 0;
  Single S1 = 0;
  Single A = 0;
  Single D = 0;
  bool FixedUpper = false;
  bool FixedLower = false;

  bool operator==(const Corrugation&) const = default;
};

// One filling level of a compartment.
struct FillingPoint {
  Single H = 0;  // level
  Single L = 0;  // free-surface length
  Single B = 0;  // free-surface breadth

  bool operator==(const FillingPoint&) const = default;
};

// A reference to a node of a hull-section panel.
struct NodeRef {
  Integer Ipan = 0;
  Integer Inod = 0;
  bool operator==(const NodeRef&) const = default;
};

// One segment of a compartment boundary in a hull section.
struct BoundarySegment {
  NodeRef From;
  NodeRef To;
  Integer Panel = 0;
  bool operator==(const BoundarySegment&) const = default;
};

struct Compartment {
  std::string Name;
  Long A = 0;
  Long B = 0;
  bool UseComputedYZ = false;
  bool UseRuleRoll = false;
  FixedList<Single, 20> Table1;
  Long N = 0;
  FixedList<Single, 10> Table2;
  FixedList<Single, 10> Table3;
  List<FillingPoint> Points;
  bool Flag3 = false;
  bool Flag4 = false;
  bool Flag5 = false;
  bool C = false;
  bool D = false;
  bool Flag6 = false;

  List<BoundarySegment> NodeList;  // hull sections only; never stored in a ZEL block

  bool operator==(const Compartment&) const = default;
};

struct Bulkhead {
  std::string Name;
  Long Typ = 0;
  Integer iMat = 0;
  Long stfside = 0;
  Long stfHV = 0;
  bool Stool1Enabled = false;
  Single Stool1Z = 0;
  Single Stool1End1 = 0;  // computed
  Single Stool1End2 = 0;  // computed
  bool Stool2Enabled = false;
  Single Stool2Z = 0;
  Single Stool2End1 = 0;  // computed
  Single Stool2End2 = 0;  // computed
  bool UpperStoolSloped = false;
  List<Node> Nodes;
  List<PrimaryMember> PrimaryMembers;
  List<OrdinaryStiffener> Stiffeners;
  List<StrakeBand> StrakeBands;
  FixedList<Compartment, 2> Compartments;  // 1 forward, 2 aftward
  Corrugation Corr;

  // Selection.
  Integer CurNode = 0;
  Integer CurPrim = 0;
  Integer CurSpan = 0;
  Integer CurBand = 0;

  // Computed geometry.
  bool Closed = false;
  bool EndsJoined = false;
  Single YMin = 0;
  Single ZMin = 0;
  Single YMax = 0;
  Single ZMax = 0;
  Single ZLow = 0;
  Single ZHigh = 0;
  List<SupportInterval> Supports;
  List<CorrugationLine> CorrugationLines;

  bool operator==(const Bulkhead&) const = default;
};

struct Arrangement {
  std::string Name;
  std::string ID;
  Single X = 0;
  Long SymFlag = 0;
  Single StoolVolume = 0;
  Single ForeHopperBreadth = 0;
  Single ForeHopperZTop = 0;
  Single AftHopperBreadth = 0;
  Single AftHopperZTop = 0;
  // Never below 1, a new arrangement included: the corroded-state rule has no state 0.
  Long StateType = 1;
  Integer StateIndex = 1;
  List<Bulkhead> Bulkheads;

  // Selection.
  Integer CurBulkhead = 0;

  // Computed.
  Single SectionBreadth = 0;
  Single SectionHeight = 0;

  bool operator==(const Arrangement&) const = default;

  // All lists undimensioned, all numbers 0, all texts empty.
  void clear() { *this = Arrangement{}; }
};

}  // namespace korain
