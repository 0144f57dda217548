// Choosing and settling the current objects, and selecting what a message or a pick names.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/selection_edits.h"

#include <algorithm>

#include "edit/stiffener_edits.h"

namespace korain {
namespace {

void selectStiffenerAlone(Bulkhead& bulkhead, int stiffener) {
  for (int k = 1; k <= bulkhead.Stiffeners.count(); ++k) {
    bulkhead.Stiffeners.at(k).Selected = k == stiffener;
  }
}

}  // namespace

void raiseCurrentBulkhead(Arrangement& arrangement) {
  if (arrangement.CurBulkhead < 1 && arrangement.Bulkheads.count() > 0) arrangement.CurBulkhead = 1;
}

void keepInList(Integer& current, int count) {
  if (count > 0 && (current < 1 || current > count)) current = 1;
}

void chooseBulkhead(Arrangement& arrangement, int number) {
  arrangement.CurBulkhead = static_cast<Integer>(number);
}

void chooseNode(Bulkhead& bulkhead, int number) { bulkhead.CurNode = static_cast<Integer>(number); }

void chooseMember(Bulkhead& bulkhead, int number) {
  bulkhead.CurPrim = static_cast<Integer>(number);
}

void chooseBand(Bulkhead& bulkhead, int number) { bulkhead.CurBand = static_cast<Integer>(number); }

void chooseStrake(Bulkhead& bulkhead, int number) {
  if (!bulkhead.StrakeBands.inBounds(bulkhead.CurBand)) return;
  bulkhead.StrakeBands.at(bulkhead.CurBand).CurStrake = static_cast<Integer>(number);
}

void chooseInterval(Bulkhead& bulkhead, int number) {
  if (number >= 1) bulkhead.CurSpan = static_cast<Integer>(number);
}

void settleNodes(Bulkhead& bulkhead) { keepInList(bulkhead.CurNode, bulkhead.Nodes.count()); }

void settleMembers(Bulkhead& bulkhead) {
  keepInList(bulkhead.CurPrim, bulkhead.PrimaryMembers.count());
}

void settleBands(Bulkhead& bulkhead) {
  keepInList(bulkhead.CurBand, bulkhead.StrakeBands.count());
  if (!bulkhead.StrakeBands.inBounds(bulkhead.CurBand)) return;
  StrakeBand& band = bulkhead.StrakeBands.at(bulkhead.CurBand);
  keepInList(band.CurStrake, band.Strakes.count());
}

void settleInterval(Bulkhead& bulkhead) {
  if (bulkhead.CurSpan < 1) bulkhead.CurSpan = 1;
}

std::optional<PanelCode> selectSubject(Arrangement& arrangement, const Message& message) {
  if (!arrangement.Bulkheads.inBounds(message.bulkhead)) return std::nullopt;
  arrangement.CurBulkhead = static_cast<Integer>(message.bulkhead);
  Bulkhead& bulkhead = arrangement.Bulkheads.at(message.bulkhead);
  const auto index = static_cast<Integer>(message.index);
  switch (message.kind) {
    case PanelCode::Nodes:
      bulkhead.CurNode = index;
      break;
    case PanelCode::PrimaryMembers:
      bulkhead.CurPrim = index;
      break;
    case PanelCode::OrdinaryStiffeners:
      selectStiffenerAlone(bulkhead, message.index);
      if (message.subIndex > 0) bulkhead.CurSpan = static_cast<Integer>(message.subIndex);
      break;
    case PanelCode::StrakeBands:
      bulkhead.CurBand = index;
      if (message.subIndex > 0 && bulkhead.StrakeBands.inBounds(index)) {
        bulkhead.StrakeBands.at(index).CurStrake = static_cast<Integer>(message.subIndex);
      }
      break;
    case PanelCode::Display:
      return PanelCode::Bulkhead;
    default:
      break;
  }
  return message.kind;
}

PanelCode selectPicked(Arrangement& arrangement, PickCode code, const PickTarget& target,
                       PanelCode panel) {
  if (code == PickCode::Nothing || !arrangement.Bulkheads.inBounds(target.bulkhead)) {
    return panel;
  }
  Bulkhead& bulkhead = arrangement.Bulkheads.at(target.bulkhead);
  switch (code) {
    case PickCode::Contour:
    case PickCode::Node:
      arrangement.CurBulkhead = target.bulkhead;
      if (panel == PanelCode::Nodes && bulkhead.Nodes.inBounds(target.object)) {
        bulkhead.CurNode = target.object;
      }
      return panel == PanelCode::Display ? PanelCode::Bulkhead : panel;
    case PickCode::Strake:
      arrangement.CurBulkhead = target.bulkhead;
      bulkhead.CurBand = target.object;
      if (bulkhead.StrakeBands.inBounds(target.object)) {
        bulkhead.StrakeBands.at(target.object).CurStrake = target.subObject;
      }
      return PanelCode::StrakeBands;
    case PickCode::StiffenerSpan:
      arrangement.CurBulkhead = target.bulkhead;
      selectStiffenerAlone(bulkhead, target.object);
      bulkhead.CurSpan = target.subObject;
      return PanelCode::OrdinaryStiffeners;
    case PickCode::PrimaryMember:
    case PickCode::Nothing:
      break;
  }
  return panel;
}

PanelCode togglePicked(Arrangement& arrangement, PickCode code, const PickTarget& target,
                       PanelCode panel) {
  if (code != PickCode::StiffenerSpan || target.bulkhead != arrangement.CurBulkhead ||
      !arrangement.Bulkheads.inBounds(target.bulkhead)) {
    return selectPicked(arrangement, code, target, panel);
  }
  Bulkhead& bulkhead = arrangement.Bulkheads.at(target.bulkhead);
  if (bulkhead.Stiffeners.inBounds(target.object)) {
    bool& selected = bulkhead.Stiffeners.at(target.object).Selected;
    selected = !selected;
  }
  return PanelCode::OrdinaryStiffeners;
}

PanelCode selectStiffenersWithin(Arrangement& arrangement, PlanePoint corner1, PlanePoint corner2,
                                 PanelCode panel) {
  if (!arrangement.Bulkheads.inBounds(arrangement.CurBulkhead)) return panel;
  Bulkhead& bulkhead = arrangement.Bulkheads.at(arrangement.CurBulkhead);
  const std::vector<bool> inside = stiffenersInRectangle(bulkhead, corner1, corner2);
  const bool any = std::ranges::find(inside, true) != inside.end();
  if (!any && panel != PanelCode::OrdinaryStiffeners) return panel;
  selectStiffeners(bulkhead, inside);
  return PanelCode::OrdinaryStiffeners;
}

}  // namespace korain
