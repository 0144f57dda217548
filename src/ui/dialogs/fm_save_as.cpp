// The Save As dialog's form, and the name and block it confirms.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_save_as.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

#include "dialogs/block_list_filler.h"
#include "text/format_message.h"
#include "text/string_table.h"
#include "text/text_utils.h"
#include "widgets/ok_cancel.h"

namespace korain {
namespace {

bool isDefaultName(std::string_view name) {
  return QString::fromStdString(std::string(trimmed(name)))
             .compare(QString::fromStdString(korainString(text_id::kNewArrangementName)),
                      Qt::CaseInsensitive) == 0;
}

}  // namespace

FM_SaveAs::FM_SaveAs(Editor& editor, const QString& initialName, QWidget* parent)
    : QDialog(parent), editor_(editor) {
  setObjectName("FM_SaveAs");
  setWindowTitle(QString::fromStdString(korainString(text_id::kSaveAsCaption)));
  setModal(true);

  createOption_ = new QRadioButton("Create a new item :", this);
  createOption_->setObjectName("OP_Choice_0");
  name_ = new QLineEdit(this);
  name_->setObjectName("TX_Name");
  name_->setText(initialName);
  auto* replaceOption = new QRadioButton("Replace existing item :", this);
  replaceOption->setObjectName("OP_Choice_1");
  list_ = new QListWidget(this);
  list_->setObjectName("LI_Sections");
  const auto [ok, cancel, buttons] = makeOkCancel(*this);
  auto* layout = new QGridLayout(this);
  layout->addWidget(createOption_, 0, 0);
  layout->addWidget(name_, 1, 0);
  layout->addWidget(replaceOption, 2, 0);
  layout->addWidget(list_, 3, 0);
  layout->addLayout(buttons, 4, 0);

  // Only arrangements can be replaced: the hull sections and torsion data of
  // the sibling program are what imports and drawings of the ship rest on.
  fillBlockList(*list_, editor_.session().database().DatabasePath, BlockKind::Zel, editor_);
  // A new block is the usual wish: the name field is ready for it.
  createOption_->setChecked(true);
  modeChosen();

  connect(createOption_, &QRadioButton::toggled, this, &FM_SaveAs::modeChosen);
  connect(ok, &QPushButton::clicked, this, &FM_SaveAs::confirm);
  connect(cancel, &QPushButton::clicked, this, &FM_SaveAs::reject);
}

void FM_SaveAs::modeChosen() {
  const bool create = createOption_->isChecked();
  name_->setEnabled(create);
  list_->setEnabled(!create);
  if (create) list_->clearSelection();
}

QListWidgetItem* FM_SaveAs::selectedRow() const {
  const QList<QListWidgetItem*> rows = list_->selectedItems();
  return rows.isEmpty() ? nullptr : rows.front();
}

void FM_SaveAs::confirm() {
  if (!createOption_->isChecked()) {
    const QListWidgetItem* row = selectedRow();
    if (row == nullptr) {
      editor_.prompt().showMessage(korainString(text_id::kChooseBlockMessage));
      return;
    }
    // The arrangement replaced is lost: No, also by a hasty Enter, leaves the
    // choice open.
    if (!confirmReplacing(row->text().toStdString())) return;
    choice_ = SaveAsChoice{true, blockOfRow(*row), {}};
    accept();
    return;
  }
  const std::string name(trimmed(name_->text().toStdString()));
  if (name.empty() || isDefaultName(name)) {
    name_->setFocus();
    editor_.prompt().showMessage(korainString(text_id::kEnterNameMessage));
    return;
  }
  choice_ = SaveAsChoice{false, 0, name};
  accept();
}

bool FM_SaveAs::confirmReplacing(const std::string& name) {
  return editor_.prompt().ask({.text = "Replace the arrangement '" + name + "' ?",
                               .choices = Choices::YesNo,
                               .defaultAnswer = Answer::No}) == Answer::Yes;
}

std::string saveAsInitialName(const std::string& currentName) {
  std::string name(trimmed(currentName));
  if (isDefaultName(name)) return name;
  return formatMessage(korainString(text_id::kCopyOfName), {name});
}

}  // namespace korain
