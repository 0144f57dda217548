// The panels' shared part: the title, the refresh, and the commands and changes they hand on.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/panel.h"

#include "view/panel_offer.h"
#include "view_state.h"

namespace korain {
namespace {

const char* verbOf(ItemCommand command) {
  switch (command) {
    case ItemCommand::Add:
      return "Add ";
    case ItemCommand::Remove:
      return "Delete ";
    case ItemCommand::Insert:
      return "Insert ";
  }
  return "";
}

bool offers(const PanelOffer& offer, ItemCommand command) {
  switch (command) {
    case ItemCommand::Add:
      return offer.canAdd;
    case ItemCommand::Remove:
      return offer.canRemove;
    case ItemCommand::Insert:
      return offer.canInsert;
  }
  return false;
}

}  // namespace

Panel::Panel(Editor& editor, PanelCode code, SelectorUse selector, QWidget* parent)
    : QWidget(parent), editor_(editor), code_(code), selector_(selector) {
  auto* layout = new QVBoxLayout(this);
  title_ = new QLabel(this);
  title_->setObjectName("LB_Title");
  title_->setWordWrap(true);
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  layout->addWidget(title_);
  body_ = new QVBoxLayout;
  layout->addLayout(body_);
  layout->addStretch(1);
}

void Panel::setTitle(const QString& title) {
  if (title_->text() != title) title_->setText(title);
}

void Panel::refresh() { fillControls(); }

void Panel::refreshRows() { fillRows(); }

void Panel::runCommand(ItemCommand command) {
  const PanelOffer offer = panelOffer(code_, arrangement());
  if (!offers(offer, command)) return;
  // The question reads the model only: the removal it agrees to is handed
  // over afterwards, and a No hands over nothing.
  if (command == ItemCommand::Remove && !confirmErase(offer.erasedObject)) return;
  editor_.change({.label = verbOf(command) + panelKindText(code_),
                  .scope = scopeOf(command),
                  .edit = [this, command](Arrangement& a) { return commandEdit(command, a); },
                  .follow = kRefreshAll});
}

EditOutcome Panel::commandEdit(ItemCommand command, Arrangement& arrangement) {
  switch (command) {
    case ItemCommand::Add:
      return addItem(arrangement);
    case ItemCommand::Remove:
      return removeItem(arrangement);
    case ItemCommand::Insert:
      return insertItem(arrangement);
  }
  return {};
}

EditScope Panel::scopeOf(ItemCommand /*command*/) const {
  return EditScope::bulkhead(arrangement().CurBulkhead);
}

const Bulkhead* Panel::currentBulkhead() const {
  const Arrangement& a = arrangement();
  return a.Bulkheads.inBounds(a.CurBulkhead) ? &a.Bulkheads.at(a.CurBulkhead) : nullptr;
}

Bulkhead& Panel::currentOf(Arrangement& arrangement) {
  return arrangement.Bulkheads.at(arrangement.CurBulkhead);
}

void Panel::changeBulkhead(const std::string& label, const EditOf<Bulkhead>& edit, Follow follow) {
  if (editor_.refreshing() || currentBulkhead() == nullptr) return;
  editor_.change({.label = label,
                  .scope = EditScope::bulkhead(arrangement().CurBulkhead),
                  .edit = [&edit](Arrangement& a) { return edit(currentOf(a)); },
                  .follow = follow});
}

void Panel::moveSelection(const std::function<void(Selection&, const Bulkhead&)>& move) {
  const Bulkhead* current = currentBulkhead();
  if (editor_.refreshing() || current == nullptr) return;
  Selection moved = selectionOf(arrangement());
  move(moved, *current);
  // What Delete and Insert offer can follow the current object or the selection.
  session().moveSelection(moved, Follow::Panel | Follow::Menus | Follow::Redraw);
}

bool Panel::confirmErase(const std::string& what) {
  return !what.empty() && editor_.prompt().ask("Are you sure to erase " + what + " ?",
                                               Choices::YesNo) == Answer::Yes;
}

}  // namespace korain
