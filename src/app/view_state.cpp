#include "view_state.h"

#include "model/codes.h"
#include "ship/ship_queries.h"

namespace korain {
namespace {

constexpr Long kCorrugatedType = 2;

const Bulkhead* currentBulkhead(const Arrangement& arrangement) {
  return arrangement.Bulkheads.inBounds(arrangement.CurBulkhead)
             ? &arrangement.Bulkheads.at(arrangement.CurBulkhead)
             : nullptr;
}

bool isCheckPanel(Integer code) {
  return code == panel_code::kPlatingChecks || code == panel_code::kStiffenerChecks ||
         code == panel_code::kChecks;
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

std::string panelKindText(Integer code) { return std::string(objectKindText(code).value_or("")); }

bool showsBulkheadSelector(Integer code) {
  return code >= panel_code::kBulkhead && code <= panel_code::kCompartments;
}

bool adjustStiffenerPanel(Session& session) {
  Integer& code = session.display().PanelCode;
  if (code != panel_code::kOrdinaryStiffeners && code != panel_code::kCorrugation) return false;
  const Bulkhead* bulkhead = currentBulkhead(session.arrangement());
  if (bulkhead == nullptr) return false;
  const Integer wanted =
      bulkhead->Typ == kCorrugatedType ? panel_code::kCorrugation : panel_code::kOrdinaryStiffeners;
  if (code == wanted) return false;
  code = wanted;
  return true;
}

MenuState menuState(const Session& session, const PanelOffer& panel) {
  const Arrangement& arrangement = session.arrangement();
  const Integer code = session.display().PanelCode;
  const std::string kind = panelKindText(code);
  MenuState state;
  state.mainDataComplete = mainDataComplete(session.ship());
  state.addDeleteEnabled = panel.exists;
  state.canAdd = panel.exists && panel.canAdd;
  state.canRemove = panel.exists && panel.canRemove;
  state.canInsert = panel.exists && panel.canInsert;
  state.addText = "Add " + kind;
  state.deleteText = "Delete " + kind;
  state.insertText = "&Insert " + kind;
  if (code != panel_code::kDisplay && !isCheckPanel(code) && code >= 1 &&
      code <= kObjectToolCount) {
    state.pressedObjectTool = code - 1;
  }
  state.previousNextBulkhead = arrangement.Bulkheads.count() > 1 && code != panel_code::kDisplay;
  state.objectTools = objectTools(arrangement);
  return state;
}

int wrappedPosition(int position, int count, int step) {
  if (count <= 0) return -1;
  return ((position + step) % count + count) % count;
}

}  // namespace korain
