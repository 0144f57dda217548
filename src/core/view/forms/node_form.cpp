// The rows of the node panel: the current node's place, the curve that leads
// to it and the data of its circle.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "edit/node_edits.h"
#include "geometry/contour_arc.h"
#include "model/record_fields.h"
#include "view/forms/forms.h"

namespace korain {
namespace {

using F = Fields<Node>;

constexpr char kNodeChanges[] = "Node data changes";

// The corrugated tool is on the bar for what it will draw; it sets no code yet.
constexpr std::array<FormTool, 4> kCurveTools{{{"Line", "curve_line", kCurveStraight},
                                               {"Tan. arc", "curve_tan_arc", kCurveTangentArc},
                                               {"Arc", "curve_arc", kCurveArc},
                                               {"Corrugated", "curve_corrugated", std::nullopt}}};

// The codes of a segment leading to a node: a line, an arc, a tangent arc.
constexpr FormRange kSegmentCodes{.minimum = kCurveStraight, .maximum = kCurveTangentArc};

constexpr FormRow<Node> node(FieldRef<Node> field, std::string_view name,
                             std::string_view caption) {
  return formRow(field, name, caption, kNodeChanges, Affects::Geometry, "m");
}

const std::array kRows{node(&F::y, "FTX_m_0", "&Y :"), node(&F::z, "FTX_m_1", "&Z :"),
                       FormRow<Node>{.field = &F::shCur,
                                     .objectName = "SS_Curve",
                                     .caption = "Curve type :",
                                     .undoLabel = kNodeChanges}
                           .within(kSegmentCodes)
                           .asTools(kCurveTools),
                       node(&F::shYT, "FTX_m_2", "y&Tan :"), node(&F::shZT, "FTX_m_3", "zTa&n :"),
                       // The sign of the radius tells which way the arc turns.
                       node(&F::shR, "FTX_m_4", "&R :")};

const Node* shownNode(const Arrangement& a) {
  const Bulkhead* b = shownBulkhead(a);
  if (b == nullptr || !b->Nodes.inBounds(b->CurNode)) return nullptr;
  return &b->Nodes.at(b->CurNode);
}

}  // namespace

const FormTable<Node>& nodeForm() {
  static const FormTable<Node> table{
      .rows = kRows,
      .shown = [](const Arrangement& a, FormPlace) { return shownNode(a); },
      .edited =
          [](Arrangement& a, FormPlace) {
            Bulkhead* b = editedBulkhead(a);
            if (b == nullptr || !b->Nodes.inBounds(b->CurNode)) return std::vector<Node*>{};
            return std::vector<Node*>{&b->Nodes.at(b->CurNode)};
          },
      .settleAround =
          [](Arrangement& a, FormPlace) {
            if (Bulkhead* b = editedBulkhead(a)) keepStartCode(*b);
          }};
  return table;
}

}  // namespace korain
