// The hull section that a section block of the database describes, as far as Korain uses it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/arrangement.h"
#include "model/list.h"

namespace korain {

// The midship-section program keeps much more in its blocks (scantlings of
// every member, frames, loads); Korain only previews a section and builds an
// arrangement from its compartments, so the record holds the outline, what the
// consistency checks of the outline look at, and the compartments.

// One end of a group of longitudinals: the group runs along its panel from its
// first end to its last.
struct StiffenerEnd {
  Single Y = 0;
  Single Z = 0;
  // Which face of the plating the stiffener lies on: 0 left, 1 right, looking
  // along the panel from its first node to its last. Groups on different faces
  // may overlap; groups on the same face may not.
  Integer Side = 0;

  // Computed by the section geometry, never stored.
  Single S = 0;  // abscissa along the panel
  Single PanelY = 0;
  Single PanelZ = 0;
  Long AbsCode = 0;
  Long PointCode = 0;

  bool operator==(const StiffenerEnd&) const = default;
};

struct SectionStiffener {
  List<StiffenerEnd> Ends;

  bool operator==(const SectionStiffener&) const = default;
};

// A strake runs along its panel from a start point to an end point.
struct SectionStrake {
  Integer Ref = 0;  // the strake's number in the section's own strake numbering
  Single Y1 = 0;
  Single Z1 = 0;
  Single Y2 = 0;
  Single Z2 = 0;
  Single Th = 0;
  Integer iMat = 0;

  bool operator==(const SectionStrake&) const = default;
};

// A girder, a bracket or a cut-out lying on its panel between two ends, which
// are expected in the panel's own direction.
struct TwoEndedObject {
  Single Y1 = 0;
  Single Z1 = 0;
  Single Y2 = 0;
  Single Z2 = 0;

  bool operator==(const TwoEndedObject&) const = default;
};

struct SectionPanel {
  std::string Name;
  Integer iMat = 0;  // material of the plating; 0 for the section's default material
  List<Node> Nodes;  // the same record as a bulkhead's contour node
  List<SectionStiffener> Stiffeners;
  List<SectionStrake> Strakes;
  List<TwoEndedObject> Girders;
  List<TwoEndedObject> Brackets;
  List<TwoEndedObject> CutOuts;

  bool operator==(const SectionPanel&) const = default;
};

// A compartment of the section: the record an imported bulkhead copies, plus the
// nodes that encircle it. The segments of its outline (the inherited NodeList)
// are built by the section geometry from NodeRefs.
struct SectionCompartment : Compartment {
  List<NodeRef> NodeRefs;  // (panel, node) in order around the compartment

  Single Orientation = 0;  // computed: +1 or -1, the sign of the outline's area

  bool operator==(const SectionCompartment&) const = default;
};

struct Section {
  std::string Name;
  Single X = 0;
  Long SymFlag = 0;
  Single HopperBreadth = 0;
  Single HopperZTop = 0;
  Integer DefaultMaterial = 0;
  Single Tolerance = 0;  // of every conversion between a point and a place on a panel (m)
  List<SectionPanel> Panels;
  List<SectionCompartment> Compartments;

  bool operator==(const Section&) const = default;

  void clear() { *this = Section{}; }
};

}  // namespace korain
