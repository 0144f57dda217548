#include "session.h"

#include "checks/palette.h"
#include "section/nearest_section.h"
#include "ship/ship_queries.h"
#include "text/format_message.h"
#include "text/string_table.h"

namespace korain {
namespace {

Recompute recomputeOf(Follow follow) {
  return has(follow, Follow::Recompute) ? Recompute::Yes : Recompute::No;
}

}  // namespace

Session::Session() {
  display_.Palette = defaultCheckPalette();
  listGeometryMessages();
}

void Session::startArrangement(Arrangement arrangement, Origin origin) {
  edited_.reset(std::move(arrangement), defaultMaterial(), origin);
  hasArrangement_ = true;
  listGeometryMessages();
}

EditOutcome Session::change(const ChangeRequest& request) {
  const Single x = arrangement().X;
  EditOutcome outcome;
  edited_.change(
      request.label, request.scope, [&](Arrangement& a) { outcome = request.edit(a); },
      recomputeOf(request.follow));
  followHullSection(x);
  if (has(request.follow, Follow::Recompute)) listGeometryMessages();
  for (const Message& message : outcome.messages) messages_.add(message);
  refreshView(outcome.messages.empty() ? request.follow : request.follow | Follow::Messages);
  return outcome;
}

void Session::moveSelection(const Edit& move, Follow follow) {
  edited_.moveSelection(move);
  if (follow != Follow::Nothing) refreshView(follow);
}

void Session::amend(const EditScope& scope, const Edit& fill) { edited_.amend(scope, fill); }

void Session::storeUnrecorded(const EditScope& scope, const Edit& edit, Follow follow) {
  edited_.storeUnrecorded(scope, edit);
  refreshView(follow);
}

void Session::refresh(Follow follow) { refreshView(follow); }

void Session::report(const std::string& text) {
  messages_.add(text);
  refreshView(Follow::Messages);
}

void Session::recomputeAll() {
  edited_.recomputeAll();
  listGeometryMessages();
  refreshView(kRefreshAll);
}

bool Session::undo() {
  const Single x = arrangement().X;
  if (!edited_.undo()) return false;
  followHullSection(x);
  listGeometryMessages();
  refreshView(kRefreshAll);
  return true;
}

bool Session::redo() {
  const Single x = arrangement().X;
  if (!edited_.redo()) return false;
  followHullSection(x);
  listGeometryMessages();
  refreshView(kRefreshAll);
  return true;
}

std::string Session::undoMenuText() const {
  return canUndo() ? "Undo " + edited_.undoLabel() : "&Undo";
}

std::string Session::redoMenuText() const {
  return canRedo() ? "Redo " + edited_.redoLabel() : "&Redo";
}

std::string Session::caption(const std::string& applicationTitle) const {
  std::string text = applicationTitle;
  if (!arrangement().Name.empty()) text += " - " + arrangement().Name;
  if (hasUnsavedChanges()) text += " *";
  return text;
}

SaveDecision Session::confirmSaveChanges(Prompt& prompt, const std::function<bool()>& save) {
  if (!hasUnsavedChanges()) return SaveDecision::Proceed;
  const Answer answer =
      prompt.ask(formatMessage(korainString(text_id::kSaveChangesQuestion), {arrangement().Name}),
                 Choices::YesNoCancel);
  if (answer == Answer::Cancel) return SaveDecision::Cancel;
  if (answer == Answer::Yes && !save()) return SaveDecision::Cancel;
  return SaveDecision::Proceed;
}

Integer Session::defaultMaterial() const { return defaultPlatingMaterial(ship_); }

void Session::followHullSection(Single formerX) {
  if (arrangement().X == formerX) return;
  hullSection = nearestSection(DatabaseCopy, DatabasePath, arrangement().X);
}

void Session::listGeometryMessages() { edited_.geometry().listLatest(messages_); }

void Session::refreshView(Follow follow) {
  if (view_ != nullptr) view_->refresh(follow);
}

}  // namespace korain
