// Recomputing every bulkhead's geometry, with the messages it gives, after a change.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/compute_geometry.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "geometry/compartment_geometry.h"
#include "geometry/contour.h"
#include "geometry/contour_arc.h"
#include "geometry/contour_polygon.h"
#include "geometry/corrugation_geometry.h"
#include "geometry/member_lines.h"
#include "geometry/placement_checks.h"
#include "geometry/plausibility.h"
#include "geometry/primary_members.h"
#include "geometry/stiffener_geometry.h"
#include "geometry/strake_geometry.h"
#include "messages/bulkhead_report.h"
#include "properties/section_faults.h"

namespace korain {
namespace {

double diagonalSquared(const Bulkhead& bulkhead) {
  const double width = static_cast<double>(bulkhead.YMax) - bulkhead.YMin;
  const double height = static_cast<double>(bulkhead.ZMax) - bulkhead.ZMin;
  return width * width + height * height;
}

void computeCompartments(Bulkhead& bulkhead) {
  addDefaultCompartments(bulkhead);
  for (Compartment& compartment : bulkhead.Compartments) {
    if (compartment.UseComputedYZ) computeCompartmentPosition(bulkhead, compartment);
  }
}

// Every node is written with its place in the list, for the reader's
// information: an added or inserted node takes its number here, and the nodes
// after an insertion or a removal move on with it.
void numberNodes(Bulkhead& bulkhead) {
  for (int k = 1; k <= bulkhead.Nodes.count(); ++k) {
    bulkhead.Nodes.at(k).Abs = static_cast<Integer>(k);
  }
}

}  // namespace

std::vector<Message> computeBulkheadGeometry(Bulkhead& bulkhead, int number, Long symFlag,
                                             Integer defaultMaterial) {
  BulkheadReport report(number);
  numberNodes(bulkhead);
  std::vector<NodeFault> faults;
  if (computeBHeadGeometry(bulkhead, faults) == 0) {
    report.error({}, "Can not compute geometry for bulkhead ¤", {number});
  }
  for (const NodeFault& fault : faults) {
    report.error({PanelCode::Nodes, fault.node}, "Node ¤ of '¤': ¤",
                 {fault.node, bulkhead.Name, fault.reason});
  }
  computeClosure(bulkhead, symFlag);
  if (!bulkhead.Closed) report.error({}, "Bulkhead ¤ is not closed", {number});
  const Contour contour(bulkhead);
  if (computeBHeadStoolPosition(bulkhead, contour) == 0) {
    report.error({}, "Can not find stool positions for bulkhead ¤", {number});
  }
  const std::vector<PlanePoint> polygon = contourPolygon(bulkhead);
  computeBounds(bulkhead, polygon);
  computePrimaryMembers(bulkhead, contour, report);
  computeSupports(bulkhead);
  computeStiffeners(bulkhead, contour, report);
  computeStrakes(bulkhead, polygon, defaultMaterial, report);
  computeCompartments(bulkhead);
  computeCorrugation(bulkhead, contour, report);
  return report.take();
}

std::vector<Message> computeCheckedBulkhead(Bulkhead& bulkhead, int number, Long symFlag,
                                            Integer defaultMaterial) {
  std::vector<Message> messages =
      computeBulkheadGeometry(bulkhead, number, symFlag, defaultMaterial);
  BulkheadReport report(number);
  reportImplausibleValues(bulkhead, report);
  reportMisplacedObjects(bulkhead, report);
  reportSectionFaults(bulkhead, report);
  std::ranges::move(report.take(), std::back_inserter(messages));
  return messages;
}

void computeInformationFields(Arrangement& arrangement, Integer defaultMaterial) {
  for (int i = 1; i <= arrangement.Bulkheads.count(); ++i) {
    Bulkhead& bulkhead = arrangement.Bulkheads.at(i);
    Bulkhead computed = bulkhead;
    computeBulkheadGeometry(computed, i, arrangement.SymFlag, defaultMaterial);
    bulkhead.Stool1End1 = computed.Stool1End1;
    bulkhead.Stool1End2 = computed.Stool1End2;
    bulkhead.Stool2End1 = computed.Stool2End1;
    bulkhead.Stool2End2 = computed.Stool2End2;
    for (int k = 1; k <= bulkhead.Nodes.count(); ++k) {
      bulkhead.Nodes.at(k).Abs = computed.Nodes.at(k).Abs;
    }
    for (int k = 1; k <= bulkhead.PrimaryMembers.count(); ++k) {
      bulkhead.PrimaryMembers.at(k).Extremities = computed.PrimaryMembers.at(k).Extremities;
    }
    for (int k = 1; k <= bulkhead.Stiffeners.count(); ++k) {
      bulkhead.Stiffeners.at(k).Extremities = computed.Stiffeners.at(k).Extremities;
    }
  }
}

void chooseCurrentBulkhead(Arrangement& arrangement) {
  if (arrangement.CurBulkhead != 0) return;
  double largest = 0;
  for (int i = 1; i <= arrangement.Bulkheads.count(); ++i) {
    const double size = diagonalSquared(arrangement.Bulkheads.at(i));
    if (arrangement.CurBulkhead == 0 || size > largest) {
      arrangement.CurBulkhead = static_cast<Integer>(i);
      largest = size;
    }
  }
}

void computeGeometry(Arrangement& arrangement, GeometryState& state, MessageList& messages,
                     Integer defaultMaterial) {
  if (state.valid) return;
  for (int i = 1; i <= arrangement.Bulkheads.count(); ++i) {
    for (Message& message : computeCheckedBulkhead(arrangement.Bulkheads.at(i), i,
                                                   arrangement.SymFlag, defaultMaterial)) {
      messages.add(std::move(message));
    }
  }
  chooseCurrentBulkhead(arrangement);
  state.valid = true;
}

}  // namespace korain
