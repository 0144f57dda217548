// The stiffener wizard's form: its values, the count that fits, and the row added on Ok.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_second_wiz.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "edit/stiffener_edits.h"
#include "geometry/plane.h"
#include "ship/ship_queries.h"
#include "widgets/ok_cancel.h"

namespace korain {
namespace {

constexpr int kStart = 0;
constexpr int kSpacing = 1;
constexpr int kNumber = 2;

const Bulkhead* currentBulkhead(const Arrangement& a) {
  return a.Bulkheads.inBounds(a.CurBulkhead) ? &a.Bulkheads.at(a.CurBulkhead) : nullptr;
}

}  // namespace

FM_SecondWiz::FM_SecondWiz(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  setObjectName("FM_SecondWiz");
  setWindowTitle("Ordinary stiffeners creation");
  auto* form = new QFormLayout;
  const std::array<const char*, 3> captions = {"Start position :", "&Spacing :", "&Number :"};
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = new NumberField(this);
    fields_[i]->setObjectName(QString("FTX_m_%1").arg(i));
    form->addRow(captions[i], fields_[i]);
    connect(fields_[i], &NumberField::committed, this,
            [this, i] { fieldCommitted(static_cast<int>(i)); });
  }
  fields_[kNumber]->setRange(0, kMaxWizardStiffeners);
  fields_[kNumber]->setWholeNumbers();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  const auto [ok, cancel, buttons] = makeOkCancel(*this);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &FM_SecondWiz::confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  const Bulkhead* bulkhead = currentBulkhead(editor_.session().arrangement());
  if (bulkhead == nullptr) return;
  const Single spacing = proposedSpacing(*bulkhead);
  fields_[kSpacing]->showValue(spacing);
  fields_[kStart]->showValue(proposedStart(*bulkhead, spacing));
  countStiffeners();
}

void FM_SecondWiz::fieldCommitted(int index) {
  if (std::abs(fields_[kSpacing]->value()) < kGeometryTolerance) {
    fields_[kSpacing]->showValue(1);
    editor_.prompt().showMessage("Please enter a valid spacing value");
    countStiffeners();
  } else if (index != kNumber) {
    countStiffeners();
  }
}

void FM_SecondWiz::countStiffeners() {
  const Bulkhead* bulkhead = currentBulkhead(editor_.session().arrangement());
  if (bulkhead == nullptr) return;
  fields_[kNumber]->showValue(stiffenersThatFit(*bulkhead,
                                                static_cast<Single>(fields_[kStart]->value()),
                                                static_cast<Single>(fields_[kSpacing]->value())));
}

void FM_SecondWiz::confirm() {
  if (!settleNumberFields(*this)) return;
  Session& session = editor_.session();
  const Arrangement& arrangement = session.arrangement();
  if (currentBulkhead(arrangement) == nullptr) {
    reject();
    return;
  }
  const StiffenerRow row{.start = static_cast<Single>(fields_[kStart]->value()),
                         .spacing = static_cast<Single>(fields_[kSpacing]->value()),
                         .number = fields_[kNumber]->wholeValue()};
  const Integer material = defaultPlatingMaterial(session.ship());
  session.change({.label = "Ordinary stiffeners wizard creation",
                  .scope = EditScope::bulkhead(arrangement.CurBulkhead),
                  .edit =
                      [row, material](Arrangement& a) {
                        addStiffenerRow(a.Bulkheads.at(a.CurBulkhead), row, material);
                      },
                  .follow = kRefreshAll});
  accept();
}

}  // namespace korain
