// Which panel a code shows, and what the menus and tools offer for the model as it stands.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view_state.h"

#include "model/codes.h"
#include "ship/ship_queries.h"
#include "view/panel_offer.h"

namespace korain {
namespace {

constexpr Long kCorrugatedType = 2;

const Bulkhead* currentBulkhead(const Arrangement& arrangement) {
  return arrangement.Bulkheads.inBounds(arrangement.CurBulkhead)
             ? &arrangement.Bulkheads.at(arrangement.CurBulkhead)
             : nullptr;
}

std::array<bool, kObjectToolCount> objectTools(const Arrangement& arrangement) {
  std::array<bool, kObjectToolCount> tools{};
  tools[0] = true;
  tools[1] = arrangement.Bulkheads.count() > 0;
  const Bulkhead* bulkhead = currentBulkhead(arrangement);
  if (bulkhead == nullptr || bulkhead->Nodes.count() == 0) return tools;
  tools[2] = tools[5] = tools[6] = true;
  tools[3] = bulkhead->Typ != kCorrugatedType;
  tools[4] = bulkhead->Typ == kCorrugatedType;
  return tools;
}

}  // namespace

std::string panelKindText(PanelCode code) {
  return std::string(objectKindText(static_cast<Long>(code)).value_or(""));
}

PanelCode panelOfObjectTool(int tool) { return static_cast<PanelCode>(tool + 1); }

int objectToolOf(PanelCode code) {
  const int tool = static_cast<int>(code) - 1;
  return tool >= 0 && tool < kObjectToolCount ? tool : -1;
}

bool showsBulkheadSelector(PanelCode code) {
  return code >= PanelCode::Bulkhead && code <= PanelCode::Compartments;
}

Long checkModeOf(PanelCode code, Long subView) { return isCheckPanel(code) ? subView : kNoCheck; }

PanelCode panelForBulkheadType(PanelCode code, const Arrangement& arrangement) {
  if (code != PanelCode::OrdinaryStiffeners && code != PanelCode::Corrugation) return code;
  const Bulkhead* bulkhead = currentBulkhead(arrangement);
  if (bulkhead == nullptr) return code;
  return bulkhead->Typ == kCorrugatedType ? PanelCode::Corrugation : PanelCode::OrdinaryStiffeners;
}

MenuState menuState(const Session& session) {
  const Arrangement& arrangement = session.arrangement();
  const PanelCode code = session.display().CurrentPanel;
  const std::string kind = panelKindText(code);
  MenuState state;
  state.arrangementOpen = session.hasArrangement();
  state.mainDataComplete = mainDataComplete(session.ship());
  // Without an arrangement there is nothing to edit, and nothing to save.
  state.addDeleteEnabled = state.arrangementOpen;
  const PanelOffer offer = panelOffer(code, arrangement);
  state.canAdd = state.addDeleteEnabled && offer.canAdd;
  state.canRemove = state.addDeleteEnabled && offer.canRemove;
  state.canInsert = state.addDeleteEnabled && offer.canInsert;
  state.addText = "Add " + kind;
  state.deleteText = "Delete " + kind;
  state.insertText = "&Insert " + kind;
  state.pressedObjectTool = objectToolOf(code);
  state.previousNextBulkhead = arrangement.Bulkheads.count() > 1 && code != PanelCode::Display;
  state.objectTools = objectTools(arrangement);
  for (std::size_t i = 0; i < state.objectTools.size(); ++i) {
    state.objectTools[i] = state.objectTools[i] && state.arrangementOpen;
  }
  return state;
}

int wrappedPosition(int position, int count, int step) {
  if (count <= 0) return -1;
  return ((position + step) % count + count) % count;
}

}  // namespace korain
