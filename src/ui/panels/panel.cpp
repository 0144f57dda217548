#include "panels/panel.h"

namespace korain {

Panel::Panel(Editor& editor, PanelCode code, bool showsSelector, QWidget* parent)
    : QWidget(parent), editor_(editor), code_(code), showsSelector_(showsSelector) {
  auto* layout = new QVBoxLayout(this);
  title_ = new QLabel(this);
  title_->setObjectName("LB_Title");
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

Bulkhead* Panel::currentBulkhead() {
  Arrangement& a = arrangement();
  return a.Bulkheads.inBounds(a.CurBulkhead) ? &a.Bulkheads.at(a.CurBulkhead) : nullptr;
}

const Bulkhead* Panel::currentBulkhead() const {
  const Arrangement& a = arrangement();
  return a.Bulkheads.inBounds(a.CurBulkhead) ? &a.Bulkheads.at(a.CurBulkhead) : nullptr;
}

void Panel::changeWith(const std::string& label, const std::function<void()>& change) {
  if (editor_.refreshing()) return;
  editor_.recordUndo(label);
  change();
  editor_.refreshAll();
}

bool Panel::confirmErase(const std::string& what) {
  return editor_.prompt().ask("Are you sure to erase " + what + " ?", Choices::YesNo) ==
         Answer::Yes;
}

}  // namespace korain
