// The open dialog's form: the blocks listed, the chosen one previewed and confirmed.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_sel_sec.h"

#include <QApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

#include "dialogs/block_list_filler.h"
#include "section/section_reader.h"
#include "text/format_message.h"
#include "text/string_table.h"
#include "widgets/ok_cancel.h"
#include "widgets/wait_cursor.h"

namespace korain {
namespace {}  // namespace

FM_SelSec::FM_SelSec(Editor& editor, const QString& caption, QWidget* parent)
    : QDialog(parent), editor_(editor) {
  setObjectName("FM_SelSec");
  setWindowTitle(caption);
  setModal(true);
  const std::string& path = editor_.session().database().DatabasePath;

  auto* heading = new QLabel(
      "Bulkhead arr. in " + QFileInfo(QString::fromStdString(path)).fileName() + " :", this);
  heading->setObjectName("LB_Sections");
  list_ = new QListWidget(this);
  list_->setObjectName("LI_Sections");
  previewOption_ = new QCheckBox("&Preview", this);
  previewOption_->setObjectName("OP_Preview");
  previewOption_->setChecked(true);
  picture_ = new SectionPreview(this);
  picture_->setObjectName("PIC_Section");
  xLabel_ = new QLabel(this);
  xLabel_->setObjectName("LB_X");
  const auto [ok, cancel, buttons] = makeOkCancel(*this);
  auto* layout = new QGridLayout(this);
  layout->addWidget(heading, 0, 0);
  layout->addWidget(list_, 1, 0);
  layout->addWidget(previewOption_, 2, 0);
  layout->addWidget(picture_, 0, 1, 2, 1);
  layout->addWidget(xLabel_, 2, 1);
  layout->addLayout(buttons, 3, 0, 1, 2);
  layout->setColumnStretch(1, 1);

  fillBlockList(*list_, path, BlockKind::Zel, editor_);

  connect(list_, &QListWidget::itemSelectionChanged, this, &FM_SelSec::rowSelected);
  connect(list_, &QListWidget::itemDoubleClicked, this, &FM_SelSec::confirm);
  connect(ok, &QPushButton::clicked, this, &FM_SelSec::confirm);
  connect(cancel, &QPushButton::clicked, this, &FM_SelSec::reject);
}

std::optional<Integer> FM_SelSec::chosenBlock() const {
  return result() == Accepted ? chosen_ : std::nullopt;
}

QListWidgetItem* FM_SelSec::selectedRow() const {
  const QList<QListWidgetItem*> rows = list_->selectedItems();
  return rows.isEmpty() ? nullptr : rows.front();
}

void FM_SelSec::rowSelected() {
  const QListWidgetItem* row = selectedRow();
  if (row != nullptr && previewOption_->isChecked()) {
    preview(*row);
  } else {
    clearPreview();
  }
}

void FM_SelSec::preview(const QListWidgetItem& row) {
  const WaitCursor hourglass;
  editor_.showStatus(korainStatusString(text_id::kReadingSectionStatus));
  Section section;
  // An arrangement previews as the outline of its bulkheads, so ZEL blocks are welcome here.
  const SectionReadResult read =
      readSection(editor_.session().database().DatabasePath, blockOfRow(row), section,
                  Arrangements::ReadAsSections);
  if (!read.found()) {
    clearPreview();
    editor_.showStatus(read.messages.empty() ? std::string() : read.messages.front().text);
    return;
  }
  editor_.showStatus({});
  picture_->showSection(section, editor_.session().ship());
  xLabel_->setText(
      QString::fromStdString(formatMessage(korainString(text_id::kSectionAtX), {section.X})));
}

void FM_SelSec::clearPreview() {
  picture_->clearPreview();
  xLabel_->clear();
}

void FM_SelSec::confirm() {
  const QListWidgetItem* row = selectedRow();
  if (row == nullptr) return;
  chosen_ = blockOfRow(*row);
  accept();
}

}  // namespace korain
