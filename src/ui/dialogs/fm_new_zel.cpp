// The new-arrangement dialog: an empty arrangement or one built from a hull section, and its X.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_new_zel.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QPushButton>

#include "dialogs/block_list_filler.h"
#include "import/section_import.h"
#include "section/section_reader.h"
#include "text/string_table.h"
#include "text/text_ids.h"
#include "widgets/ok_cancel.h"
#include "widgets/wait_cursor.h"

namespace korain {

FM_NewZel::FM_NewZel(Editor& editor, const QString& menuCaption, QWidget* parent)
    : QDialog(parent), editor_(editor) {
  setObjectName("FM_NewZel");
  setWindowTitle(newZelCaption(menuCaption));
  setModal(true);
  buildControls();
  const auto [ok, cancel, buttons] = makeOkCancel(*this);
  layOutControls(*buttons);
  // Without a section to take it from, the arrangement starts amidships.
  x_->showValue(editor_.session().ship().L / 2.0);
  fillBlockList(*list_, editor_.session().database().DatabasePath, BlockKind::Section, editor_);
  connectControls(*ok, *cancel);
}

void FM_NewZel::buildControls() {
  direct_ = new QRadioButton("Direct input", this);
  direct_->setObjectName("OP_BasedOn_0");
  direct_->setChecked(true);
  basedOn_ = new QRadioButton("Based on an existing section :", this);
  basedOn_->setObjectName("OP_BasedOn_1");
  list_ = new QListWidget(this);
  list_->setObjectName("LI_Sections");
  picture_ = new SectionPreview(this);
  picture_->setObjectName("PIC_Section");
  x_ = new NumberField(this);
  x_->setObjectName("FTX_m");
}

// The choices and the list of sections on the left, the chosen section's picture on the right,
// the location and the buttons across both.
void FM_NewZel::layOutControls(QHBoxLayout& buttons) {
  auto* location = new QFormLayout;
  location->addRow("Longitudinal location (X from APP) :", x_);
  auto* layout = new QGridLayout(this);
  layout->addWidget(direct_, 0, 0);
  layout->addWidget(basedOn_, 1, 0);
  layout->addWidget(list_, 2, 0);
  layout->addWidget(picture_, 0, 1, 3, 1);
  layout->addLayout(location, 3, 0, 1, 2);
  layout->addLayout(&buttons, 4, 0, 1, 2);
  layout->setColumnStretch(1, 1);
}

void FM_NewZel::connectControls(const QPushButton& ok, const QPushButton& cancel) {
  connect(direct_, &QRadioButton::clicked, this, &FM_NewZel::chooseDirectInput);
  connect(basedOn_, &QRadioButton::clicked, this, &FM_NewZel::chooseSection);
  connect(list_, &QListWidget::itemSelectionChanged, this, &FM_NewZel::rowSelected);
  connect(list_, &QListWidget::itemDoubleClicked, this, &FM_NewZel::confirm);
  connect(&ok, &QPushButton::clicked, this, &FM_NewZel::confirm);
  connect(&cancel, &QPushButton::clicked, this, &FM_NewZel::reject);
}

void FM_NewZel::chooseDirectInput() {
  list_->clearSelection();
  x_->showValue(editor_.session().ship().L / 2.0);
}

void FM_NewZel::chooseSection() {
  if (list_->selectedItems().isEmpty() && list_->count() > 0) list_->setCurrentRow(0);
}

void FM_NewZel::rowSelected() {
  const QList<QListWidgetItem*> rows = list_->selectedItems();
  section_.reset();
  readMessages_ = {};
  if (rows.isEmpty()) {
    picture_->clearPreview();
    return;
  }
  const WaitCursor hourglass;
  editor_.showStatus(korainStatusString(text_id::kReadingSectionStatus));
  Section section;
  const SectionReadResult read =
      readSection(editor_.session().database().DatabasePath, blockOfRow(*rows.front()), section,
                  Arrangements::ReadAsSections);
  editor_.showStatus({});
  // What could not be read is listed with the section's own findings.
  for (const FileMessage& message : read.messages) readMessages_.addText(message.toString());
  basedOn_->setChecked(true);
  if (!read.found()) {
    picture_->clearPreview();
    editor_.showStatus(read.messages.empty() ? std::string() : read.messages.front().text);
    return;
  }
  x_->showValue(section.X);
  picture_->showSection(section, editor_.session().ship());
  section_ = std::move(section);
}

void FM_NewZel::confirm() {
  if (!settleNumberFields(*this)) return;
  if (direct_->isChecked()) {
    arrangement_.clear();
  } else if (!importChosenSection()) {
    return;
  }
  arrangement_.X = static_cast<Single>(x_->value());
  accept();
}

bool FM_NewZel::importChosenSection() {
  if (!section_) {
    editor_.prompt().showMessage("Please select a valid section");
    return false;
  }
  SectionImport result;
  {
    const WaitCursor hourglass;
    result = importSection(*section_, arrangement_, [this](std::string_view text) {
      editor_.showStatus(std::string(text));
    });
  }
  if (!result.imported) {
    editor_.prompt().showMessage(result.warning);
    return false;
  }
  importMessages_ = readMessages_;
  for (const std::string& text : result.messages.texts()) importMessages_.addText(text);
  return true;
}

QString newZelCaption(const QString& menuCaption) {
  QString caption;
  for (qsizetype i = 0; i < menuCaption.size(); ++i) {
    if (menuCaption[i] != '&') {
      caption += menuCaption[i];
    } else if (i + 1 < menuCaption.size() && menuCaption[i + 1] == '&') {
      caption += '&';
      ++i;
    }
  }
  return caption + " Bulkhead Arrangement";
}

}  // namespace korain
