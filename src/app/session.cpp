// The session's state and its one change path, with undo, redo and the refreshes a change asks.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include "checks/legend.h"
#include "checks/palette.h"
#include "edit/bulkhead_edits.h"
#include "edit/selection_edits.h"
#include "section/nearest_section.h"
#include "ship/ship_queries.h"
#include "text/format_message.h"
#include "text/string_table.h"
#include "view_state.h"

namespace korain {

Session::Session() {
  screen_.display.Palette = defaultCheckPalette();
  listGeometryMessages();
}

void Session::enterDatabase(DatabasePlace place, ShipData ship) {
  database_ = std::move(place);
  ship_ = std::move(ship);
}

void Session::keepDatabaseCopy(std::string bytes) { database_.DatabaseCopy = std::move(bytes); }

void Session::placeArrangement(std::string path, Integer block) {
  database_.DatabasePath = std::move(path);
  database_.BlockNumber = block;
}

void Session::startRun(StartupState state) { run_.state = std::move(state); }

void Session::usePreferencesFile(std::string iniPath) {
  screen_.labels = readDisplayConfig(iniPath, OutputDevice::Screen);
  if (readScantlingLabels(iniPath)) screen_.display.DisplayWord |= display_bit::kScantlings;
  screen_.display.SupportsWhileEditingStiffeners = readStiffenerSupports(iniPath);
  run_.identification = readIdentificationConfig(iniPath);
  run_.iniPath = std::move(iniPath);
}

void Session::setPaths(PathConfig paths) { run_.state.paths = std::move(paths); }

void Session::setScreen(DisplayConfig labels) {
  screen_.labels = std::move(labels);
  refreshView(Follow::Redraw);
}

void Session::setDisplayWord(Long word) {
  screen_.display.DisplayWord = word;
  refreshView(Follow::Redraw);
}

void Session::setStiffenerSupports(bool shown) {
  screen_.display.SupportsWhileEditingStiffeners = shown;
  refreshView(Follow::Redraw);
}

void Session::showRowPreview(std::vector<Single> positions) {
  screen_.display.RowPreview = std::move(positions);
  refreshView(Follow::Redraw);
}

void Session::showPanel(PanelCode panel, Follow follow) {
  screen_.display.CurrentPanel = panel;
  followCheckMode();
  settle();
  refreshAsAsked(follow);
}

void Session::setSubView(Long subView, Follow follow) {
  screen_.subView = subView;
  followCheckMode();
  refreshAsAsked(follow);
}

void Session::chooseTool(Integer tool, Follow follow) {
  screen_.display.Tool = tool;
  refreshAsAsked(follow);
}

void Session::findHullSection() {
  screen_.hullSection =
      nearestSection(database_.DatabaseCopy, database_.DatabasePath, arrangement().X);
  shipFit_.useHull(hullSection());
  listGeometryMessages();
}

void Session::startArrangement(Arrangement arrangement, Origin origin) {
  edited_.reset(std::move(arrangement), defaultMaterial(), origin);
  hasArrangement_ = true;
  settle();
  listGeometryMessages();
}

EditOutcome Session::change(const ChangeRequest& request) {
  const Single x = arrangement().X;
  EditOutcome outcome;
  edited_.change(request.label, request.scope, [&](Arrangement& a) { outcome = request.edit(a); });
  settle();
  followHullSection(x);
  listGeometryMessages();
  for (const Message& message : outcome.messages) messages_.add(message);
  told_ += outcome.messages.size();
  refreshView(request.follow | kEveryChangeShows);
  return outcome;
}

void Session::moveSelection(const Selection& selection, Follow follow) {
  edited_.moveSelection(selection);
  settle();
  refreshAsAsked(follow);
}

void Session::amend(const EditScope& scope, const Edit& fill) { edited_.amend(scope, fill); }

void Session::storeUnrecorded(const EditScope& scope, const Edit& edit, Follow follow) {
  edited_.storeUnrecorded(scope, edit);
  settle();
  listGeometryMessages();
  refreshView(follow | kEveryChangeShows);
}

void Session::refresh(Follow follow) { refreshView(follow); }

void Session::report(const std::string& text) { report(std::vector<std::string>{text}); }

void Session::report(const std::vector<std::string>& texts) {
  for (const std::string& text : texts) messages_.add("¤", {text});
  told_ += texts.size();
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
  settle();
  followHullSection(x);
  listGeometryMessages();
  refreshView(kRefreshAll);
  return true;
}

bool Session::redo() {
  const Single x = arrangement().X;
  if (!edited_.redo()) return false;
  settle();
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
  if (arrangement().X != formerX) findHullSection();
}

void Session::followCheckMode() {
  screen_.display.CheckMode = checkModeOf(screen_.display.CurrentPanel, screen_.subView);
}

MessageCount Session::messageCount() const {
  MessageCount count = edited_.geometry().count();
  const MessageCount fit = shipFit_.count();
  count.errors += fit.errors;
  count.warnings += fit.warnings;
  return count;
}

std::vector<Message> Session::allMessages() const {
  std::vector<Message> all = edited_.geometry().allMessages();
  for (Message& m : shipFit_.messages()) all.push_back(std::move(m));
  return all;
}

void Session::listGeometryMessages() {
  shipFit_.check(arrangement(), ship_.B, [this](int i) { return edited_.versionOf(i); });
  edited_.geometry().listLatest(messages_);
  // The list keeps only its newest messages: of a long list of checks, only
  // as many as it holds are worth adding.
  for (const Message& m : shipFit_.latest(MessageList::kCapacity)) messages_.add(m);
  told_ = 0;
}

void Session::settle() {
  Selection selection = selectionOf(arrangement());
  settleSelection(selection, arrangement(), screen_.display.CurrentPanel);
  edited_.moveSelection(selection);
  const PanelCode wanted = panelForBulkheadType(screen_.display.CurrentPanel, arrangement());
  if (wanted != screen_.display.CurrentPanel) {
    screen_.display.CurrentPanel = wanted;
    followCheckMode();
  }
  storeStoolTopsShown();
}

void Session::storeStoolTopsShown() {
  const int i = arrangement().CurBulkhead;
  if (screen_.display.CurrentPanel != PanelCode::Bulkhead || !arrangement().Bulkheads.inBounds(i) ||
      !lacksStoolTop(arrangement().Bulkheads.at(i))) {
    return;
  }
  edited_.amend(EditScope::bulkhead(i),
                [i](Arrangement& a) { storeDefaultStoolTops(a.Bulkheads.at(i)); });
}

void Session::buildCheckLegend() {
  const StatusLine status = [this](std::string_view text) {
    if (view_ != nullptr) view_->showStatus(std::string(text));
  };
  const Long mode = subView();
  Legend legend;
  // The colour of every strake, span and bracket is computed, as the
  // geometry is: nothing to undo, nothing unsaved.
  edited_.amend(EditScope::all(), [&](Arrangement& a) {
    legend = buildLegend(a, mode, display().Palette, ship_, status);
  });
  screen_.display.CurrentLegend = std::move(legend);
}

void Session::refreshView(Follow follow) {
  if (has(follow, Follow::Panel) && isCheckPanel(screen_.display.CurrentPanel)) {
    buildCheckLegend();
  }
  if (view_ == nullptr) return;
  const bool wasRefreshing = refreshing_;
  refreshing_ = true;
  view_->refresh(follow);
  refreshing_ = wasRefreshing;
}

void Session::refreshAsAsked(Follow follow) {
  if (follow != Follow::Nothing) refreshView(follow);
}

}  // namespace korain
