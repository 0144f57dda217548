// Choosing and settling the current objects, and selecting what a message or a pick names.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/selection_edits.h"

#include <algorithm>

#include "edit/stiffener_edits.h"
#include "model/codes.h"

namespace korain {
namespace {

// The selection of bulkhead i (1-based); none outside the list.
BulkheadSelection* bulkheadOf(Selection& selection, int i) {
  if (i < 1 || static_cast<std::size_t>(i) > selection.bulkheads.size()) return nullptr;
  return &selection.bulkheads[static_cast<std::size_t>(i) - 1];
}

void selectStiffenerAlone(BulkheadSelection& bulkhead, int stiffener) {
  for (std::size_t k = 0; k < bulkhead.selectedStiffeners.size(); ++k) {
    bulkhead.selectedStiffeners[k] = static_cast<int>(k) + 1 == stiffener;
  }
}

// The current strake of band `band`; none outside the list of bands.
Integer* curStrakeOf(BulkheadSelection& bulkhead, int band) {
  if (band < 1 || static_cast<std::size_t>(band) > bulkhead.curStrakes.size()) return nullptr;
  return &bulkhead.curStrakes[static_cast<std::size_t>(band) - 1];
}

void settleLists(BulkheadSelection& current, const Bulkhead& bulkhead) {
  keepInList(current.CurNode, bulkhead.Nodes.count());
  keepInList(current.CurPrim, bulkhead.PrimaryMembers.count());
  keepInList(current.CurBand, bulkhead.StrakeBands.count());
  if (Integer* strake = curStrakeOf(current, current.CurBand)) {
    keepInList(*strake, bulkhead.StrakeBands.at(current.CurBand).Strakes.count());
  }
  if (current.CurSpan < 1) current.CurSpan = 1;
}

}  // namespace

void keepInList(Integer& current, int count) {
  if (count > 0 && (current < 1 || current > count)) current = 1;
}

BulkheadSelection* currentBulkheadOf(Selection& selection) {
  return bulkheadOf(selection, selection.CurBulkhead);
}

void chooseBulkhead(Selection& selection, int number) {
  selection.CurBulkhead = static_cast<Integer>(number);
}

void chooseNode(Selection& selection, int number) {
  if (BulkheadSelection* current = currentBulkheadOf(selection)) {
    current->CurNode = static_cast<Integer>(number);
  }
}

void chooseMember(Selection& selection, int number) {
  if (BulkheadSelection* current = currentBulkheadOf(selection)) {
    current->CurPrim = static_cast<Integer>(number);
  }
}

void chooseBand(Selection& selection, int number) {
  if (BulkheadSelection* current = currentBulkheadOf(selection)) {
    current->CurBand = static_cast<Integer>(number);
  }
}

void chooseStrake(Selection& selection, int number) {
  BulkheadSelection* current = currentBulkheadOf(selection);
  if (current == nullptr) return;
  if (Integer* strake = curStrakeOf(*current, current->CurBand)) {
    *strake = static_cast<Integer>(number);
  }
}

void chooseInterval(Selection& selection, int number) {
  BulkheadSelection* current = currentBulkheadOf(selection);
  if (current != nullptr && number >= 1) current->CurSpan = static_cast<Integer>(number);
}

void chooseStiffeners(Selection& selection, const std::vector<bool>& selected) {
  BulkheadSelection* current = currentBulkheadOf(selection);
  if (current == nullptr) return;
  for (std::size_t k = 0; k < current->selectedStiffeners.size(); ++k) {
    current->selectedStiffeners[k] = k < selected.size() && selected[k];
  }
}

void settleSelection(Selection& selection, const Arrangement& arrangement, PanelCode panel) {
  if (isCheckPanel(panel)) {
    selection.CurBulkhead = 0;
    return;
  }
  if (selection.CurBulkhead < 1 && arrangement.Bulkheads.count() > 0) selection.CurBulkhead = 1;
  BulkheadSelection* current = currentBulkheadOf(selection);
  if (current == nullptr || !arrangement.Bulkheads.inBounds(selection.CurBulkhead)) return;
  settleLists(*current, arrangement.Bulkheads.at(selection.CurBulkhead));
}

std::optional<PanelCode> selectSubject(Selection& selection, const Arrangement& arrangement,
                                       const Message& message) {
  BulkheadSelection* bulkhead = bulkheadOf(selection, message.bulkhead);
  if (bulkhead == nullptr || !arrangement.Bulkheads.inBounds(message.bulkhead)) {
    return std::nullopt;
  }
  selection.CurBulkhead = static_cast<Integer>(message.bulkhead);
  const auto index = static_cast<Integer>(message.index);
  switch (message.kind) {
    case PanelCode::Nodes:
      bulkhead->CurNode = index;
      break;
    case PanelCode::PrimaryMembers:
      bulkhead->CurPrim = index;
      break;
    case PanelCode::OrdinaryStiffeners:
      selectStiffenerAlone(*bulkhead, message.index);
      if (message.subIndex > 0) bulkhead->CurSpan = static_cast<Integer>(message.subIndex);
      break;
    case PanelCode::StrakeBands:
      bulkhead->CurBand = index;
      if (Integer* strake = curStrakeOf(*bulkhead, index); strake && message.subIndex > 0) {
        *strake = static_cast<Integer>(message.subIndex);
      }
      break;
    case PanelCode::Display:
      return PanelCode::Bulkhead;
    default:
      break;
  }
  return message.kind;
}

PanelCode selectPicked(Selection& selection, const Arrangement& arrangement, PickCode code,
                       const PickTarget& target, PanelCode panel) {
  BulkheadSelection* bulkhead = bulkheadOf(selection, target.bulkhead);
  if (code == PickCode::Nothing || bulkhead == nullptr ||
      !arrangement.Bulkheads.inBounds(target.bulkhead)) {
    return panel;
  }
  switch (code) {
    case PickCode::Contour:
    case PickCode::Node:
      selection.CurBulkhead = target.bulkhead;
      if (panel == PanelCode::Nodes &&
          arrangement.Bulkheads.at(target.bulkhead).Nodes.inBounds(target.object)) {
        bulkhead->CurNode = target.object;
      }
      return panel == PanelCode::Display ? PanelCode::Bulkhead : panel;
    case PickCode::Strake:
      selection.CurBulkhead = target.bulkhead;
      bulkhead->CurBand = target.object;
      if (Integer* strake = curStrakeOf(*bulkhead, target.object)) *strake = target.subObject;
      return PanelCode::StrakeBands;
    case PickCode::StiffenerSpan:
      selection.CurBulkhead = target.bulkhead;
      selectStiffenerAlone(*bulkhead, target.object);
      bulkhead->CurSpan = target.subObject;
      return PanelCode::OrdinaryStiffeners;
    case PickCode::PrimaryMember:
    case PickCode::Nothing:
      break;
  }
  return panel;
}

PanelCode togglePicked(Selection& selection, const Arrangement& arrangement, PickCode code,
                       const PickTarget& target, PanelCode panel) {
  BulkheadSelection* bulkhead = bulkheadOf(selection, target.bulkhead);
  if (code != PickCode::StiffenerSpan || target.bulkhead != selection.CurBulkhead ||
      bulkhead == nullptr) {
    return selectPicked(selection, arrangement, code, target, panel);
  }
  std::vector<bool>& selected = bulkhead->selectedStiffeners;
  if (target.object >= 1 && static_cast<std::size_t>(target.object) <= selected.size()) {
    const auto k = static_cast<std::size_t>(target.object) - 1;
    selected[k] = !selected[k];
  }
  return PanelCode::OrdinaryStiffeners;
}

PanelCode selectStiffenersWithin(Selection& selection, const Arrangement& arrangement,
                                 PlanePoint corner1, PlanePoint corner2, PanelCode panel) {
  if (currentBulkheadOf(selection) == nullptr ||
      !arrangement.Bulkheads.inBounds(selection.CurBulkhead)) {
    return panel;
  }
  const std::vector<bool> inside =
      stiffenersInRectangle(arrangement.Bulkheads.at(selection.CurBulkhead), corner1, corner2);
  const bool any = std::ranges::find(inside, true) != inside.end();
  if (!any && panel != PanelCode::OrdinaryStiffeners) return panel;
  chooseStiffeners(selection, inside);
  return PanelCode::OrdinaryStiffeners;
}

}  // namespace korain
