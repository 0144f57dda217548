// The span brackets dialog: which ends, the length and the scantling, applied on Ok.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_span_brackets.h"

#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/codes.h"
#include "view/stiffener_panel_state.h"
#include "widgets/ok_cancel.h"

namespace korain {
namespace {

constexpr char kLabel[] = "Brackets at span ends";

const Bulkhead* currentBulkhead(const Arrangement& a) {
  return a.Bulkheads.inBounds(a.CurBulkhead) ? &a.Bulkheads.at(a.CurBulkhead) : nullptr;
}

const OrdinaryStiffener* firstSelected(const Bulkhead& bulkhead) {
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    if (stiffener.Selected) return &stiffener;
  }
  return nullptr;
}

}  // namespace

FM_SpanBrackets::FM_SpanBrackets(Editor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
  setObjectName("FM_SpanBrackets");
  setWindowTitle(kLabel);
  buildFields();
  const Bulkhead* bulkhead = currentBulkhead(editor_.session().arrangement());
  if (bulkhead == nullptr) return;
  // The flat bar offered for a scantling of one's own starts as the first
  // selected stiffener's web.
  if (const OrdinaryStiffener* first = firstSelected(*bulkhead)) {
    height_->showValue(first->Scant.H1);
    thickness_->showValue(first->Scant.E1);
  }
  const int without = selectedWithoutSpan(*bulkhead, bulkhead->CurSpan);
  withoutSpan_->setVisible(without > 0);
  withoutSpan_->setText(QString("%1 of the selected stiffeners have no span in interval %2 and "
                                "keep their brackets")
                            .arg(without)
                            .arg(bulkhead->CurSpan));
}

void FM_SpanBrackets::buildFields() {
  auto* form = new QFormLayout;
  lower_ = new QCheckBox("&Lower end", this);
  lower_->setObjectName("OP_LowerEnd");
  lower_->setChecked(true);
  upper_ = new QCheckBox("&Upper end", this);
  upper_->setObjectName("OP_UpperEnd");
  form->addRow(lower_);
  form->addRow(upper_);
  length_ = new NumberField(this);
  length_->setObjectName("FTX_BracketLength");
  length_->setRange(0.001, 100);
  form->addRow("Length (m) :", length_);
  webFlatBar_ = new QCheckBox("Flat bar of each stiffener's &web", this);
  webFlatBar_->setObjectName("OP_WebFlatBar");
  webFlatBar_->setChecked(true);
  form->addRow(webFlatBar_);
  connect(webFlatBar_, &QCheckBox::toggled, this, &FM_SpanBrackets::showScantlingChoice);
  height_ = new NumberField(this);
  height_->setObjectName("FTX_FlatBarHeight");
  height_->setRange(1, 10000);
  form->addRow("Flat bar &height (mm) :", height_);
  thickness_ = new NumberField(this);
  thickness_->setObjectName("FTX_FlatBarThickness");
  thickness_->setRange(1, 1000);
  form->addRow("Flat bar &thickness (mm) :", thickness_);
  withoutSpan_ = new QLabel(this);
  withoutSpan_->setObjectName("LB_WithoutSpan");
  withoutSpan_->setWordWrap(true);
  form->addRow(withoutSpan_);
  showScantlingChoice();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  const auto [ok, cancel, buttons] = makeOkCancel(*this);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &FM_SpanBrackets::confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FM_SpanBrackets::showScantlingChoice() {
  for (NumberField* field : {height_, thickness_}) field->setEnabled(!webFlatBar_->isChecked());
}

std::optional<SpanEndBrackets> FM_SpanBrackets::bracketsOfFields() {
  if (!lower_->isChecked() && !upper_->isChecked()) {
    editor_.prompt().showMessage("Please choose the lower end, the upper end or both");
    return std::nullopt;
  }
  if (length_->value() <= 0) {
    editor_.prompt().showMessage("Please enter the brackets' length");
    return std::nullopt;
  }
  SpanEndBrackets brackets{.lower = lower_->isChecked(),
                           .upper = upper_->isChecked(),
                           .length = static_cast<Single>(length_->value()),
                           .scantling = {}};
  if (!webFlatBar_->isChecked()) {
    brackets.scantling = Scantling{.Typ = kFlatProfile,
                                   .H1 = static_cast<Single>(height_->value()),
                                   .E1 = static_cast<Single>(thickness_->value())};
  }
  return brackets;
}

void FM_SpanBrackets::confirm() {
  if (!settleNumberFields(*this)) return;
  Session& session = editor_.session();
  const Arrangement& arrangement = session.arrangement();
  const Bulkhead* bulkhead = currentBulkhead(arrangement);
  if (bulkhead == nullptr) {
    reject();
    return;
  }
  const std::optional<SpanEndBrackets> brackets = bracketsOfFields();
  if (!brackets) return;
  const int interval = bulkhead->CurSpan;
  // The same question as a bracket fitted on the panel beside a soft toe.
  if (fitsBracketBesideSoftToe(*bulkhead, interval, *brackets) &&
      editor_.prompt().ask({.text = kSoftToeQuestion,
                            .choices = Choices::YesNo,
                            .icon = Icon::CriticalStop,
                            .defaultAnswer = Answer::No}) != Answer::Yes) {
    return;
  }
  session.change({.label = kLabel,
                  .scope = EditScope::bulkhead(arrangement.CurBulkhead),
                  .edit =
                      [interval, brackets = *brackets](Arrangement& a) {
                        setSpanEndBrackets(a.Bulkheads.at(a.CurBulkhead), interval, brackets);
                      },
                  .follow = kRefreshAll});
  accept();
}

}  // namespace korain
