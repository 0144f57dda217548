#include "panels/panel.h"

namespace korain {

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

void Panel::refresh() {
  const RefreshingScope refreshing(session());
  fillControls();
}

void Panel::refreshRows() {
  const RefreshingScope refreshing(session());
  fillRows();
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

void Panel::changeBulkhead(const std::string& label, const std::function<void(Bulkhead&)>& edit,
                           Follow follow) {
  if (editor_.refreshing() || currentBulkhead() == nullptr) return;
  session().change({.label = label,
                    .scope = EditScope::bulkhead(arrangement().CurBulkhead),
                    .edit = [&edit](Arrangement& a) { edit(currentOf(a)); },
                    .follow = follow});
}

void Panel::moveSelection(const std::function<void(Bulkhead&)>& move) {
  if (editor_.refreshing() || currentBulkhead() == nullptr) return;
  // What Delete and Insert offer can follow the current object or the selection.
  session().moveSelection([&move](Arrangement& a) { move(currentOf(a)); },
                          Follow::Panel | Follow::Menus | Follow::Redraw);
}

bool Panel::confirmErase(const std::string& what) {
  return editor_.prompt().ask("Are you sure to erase " + what + " ?", Choices::YesNo) ==
         Answer::Yes;
}

}  // namespace korain
