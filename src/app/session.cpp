#include "session.h"

#include "ship/ship_queries.h"
#include "text/format_message.h"
#include "text/string_table.h"

namespace korain {
namespace {}  // namespace

void Session::recordUndo(const std::string& label) {
  geometry_.valid = false;
  undoLabel_ = label;
  undoSnapshot_ = arrangement_;
}

void Session::computeGeometry() {
  korain::computeGeometry(arrangement_, geometry_, messages_, defaultPlatingMaterial(ship_));
}

bool Session::canUndo() const { return !undoLabel_.empty() && undoLabel_ != kNewArrangementLabel; }

bool Session::undo() {
  if (!canUndo()) return false;
  arrangement_ = undoSnapshot_;
  undoLabel_.clear();
  return true;
}

void Session::markNew() { undoLabel_ = kNewArrangementLabel; }

std::string Session::undoMenuText() const { return canUndo() ? "Undo " + undoLabel_ : "&Undo"; }

std::string Session::caption(const std::string& applicationTitle) const {
  std::string text = applicationTitle;
  if (!arrangement_.Name.empty()) text += " - " + arrangement_.Name;
  if (hasUnsavedChanges()) text += " *";
  return text;
}

SaveDecision Session::confirmSaveChanges(Prompt& prompt, const std::function<bool()>& save) {
  if (!hasUnsavedChanges()) return SaveDecision::Proceed;
  const Answer answer =
      prompt.ask(formatMessage(korainString(text_id::kSaveChangesQuestion), {arrangement_.Name}),
                 Choices::YesNoCancel);
  if (answer == Answer::Cancel) return SaveDecision::Cancel;
  if (answer == Answer::Yes && !save()) return SaveDecision::Cancel;
  markClean();
  return SaveDecision::Proceed;
}

}  // namespace korain
