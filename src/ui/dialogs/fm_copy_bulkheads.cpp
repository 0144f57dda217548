// Copy Bulkheads From: an arrangement chosen in a database, some of its
// bulkheads checked, and those appended to the arrangement being edited.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_copy_bulkheads.h"

#include <QFileInfo>
#include <QGridLayout>

#include "dialogs/block_list_filler.h"
#include "edit/bulkhead_copy.h"
#include "io/zel_reader.h"
#include "model/codes.h"
#include "ship/ship_data_reader.h"
#include "startup.h"
#include "text/format_message.h"
#include "text/string_table.h"
#include "widgets/ok_cancel.h"

namespace korain {
namespace {

// The row of the arrangement being edited holds no block: it is read from the session.
constexpr int kEditedArrangement = 0;

QString bulkheadRowText(int number, const Bulkhead& bulkhead) {
  const std::string_view type = bulkheadTypeText(bulkhead.Typ).value_or("");
  return QString("%1  %2  %3  (%4 nodes, %5 stiffeners)")
      .arg(number)
      .arg(QString::fromUtf8(type.data(), static_cast<qsizetype>(type.size())))
      .arg(QString::fromStdString(bulkhead.Name))
      .arg(bulkhead.Nodes.count())
      .arg(bulkhead.Stiffeners.count());
}

std::string folderOf(const std::string& path) {
  return QFileInfo(QString::fromStdString(path)).absolutePath().toStdString();
}

QPushButton* button(QDialog& dialog, const char* name, const QString& caption) {
  auto* made = new QPushButton(caption, &dialog);
  made->setObjectName(name);
  return made;
}

}  // namespace

FM_CopyBulkheads::FM_CopyBulkheads(Editor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
  setObjectName("FM_CopyBulkheads");
  setWindowTitle("Copy Bulkheads From");
  setModal(true);
  databaseLabel_ = new QLabel(this);
  databaseLabel_->setObjectName("LB_Database");
  QPushButton* thisDatabase = button(*this, "BT_ThisDatabase", "&This Database");
  QPushButton* otherDatabase = button(*this, "BT_OtherDatabase", "&Other Database...");
  arrangements_ = new QListWidget(this);
  arrangements_->setObjectName("LI_Arrangements");
  bulkheads_ = new QListWidget(this);
  bulkheads_->setObjectName("LI_Bulkheads");
  QPushButton* all = button(*this, "BT_All", "Check &All");
  const auto [ok, cancel, buttons] = makeOkCancel(*this);
  ok_ = ok;
  auto* layout = new QGridLayout(this);
  layout->addWidget(databaseLabel_, 0, 0, 1, 2);
  layout->addWidget(thisDatabase, 1, 0);
  layout->addWidget(otherDatabase, 1, 1);
  layout->addWidget(new QLabel("Arrangements :", this), 2, 0, 1, 2);
  layout->addWidget(arrangements_, 3, 0, 1, 2);
  layout->addWidget(new QLabel("Bulkheads to copy :", this), 4, 0, 1, 2);
  layout->addWidget(bulkheads_, 5, 0, 1, 2);
  layout->addWidget(all, 6, 0);
  layout->addLayout(buttons, 7, 0, 1, 2);
  resize(560, 480);

  connect(thisDatabase, &QPushButton::clicked, this, &FM_CopyBulkheads::showThisDatabase);
  connect(otherDatabase, &QPushButton::clicked, this, &FM_CopyBulkheads::chooseOtherDatabase);
  connect(arrangements_, &QListWidget::itemSelectionChanged, this,
          &FM_CopyBulkheads::arrangementChosen);
  connect(bulkheads_, &QListWidget::itemChanged, this, &FM_CopyBulkheads::followChecks);
  connect(all, &QPushButton::clicked, this, &FM_CopyBulkheads::checkAll);
  connect(ok, &QPushButton::clicked, this, &FM_CopyBulkheads::confirm);
  connect(cancel, &QPushButton::clicked, this, &FM_CopyBulkheads::reject);
  showThisDatabase();
}

void FM_CopyBulkheads::showThisDatabase() {
  otherShip_.reset();
  listArrangements(editor_.session().database().DatabasePath);
  // The arrangement being edited is offered as it is now, saved or not.
  const Integer open = editor_.session().database().BlockNumber;
  for (int row = arrangements_->count() - 1; row >= 0; --row) {
    if (blockOfRow(*arrangements_->item(row)) == open) delete arrangements_->takeItem(row);
  }
  auto* edited = new QListWidgetItem("This arrangement: " +
                                     QString::fromStdString(editor_.session().arrangement().Name));
  edited->setData(Qt::UserRole, kEditedArrangement);
  arrangements_->insertItem(0, edited);
}

void FM_CopyBulkheads::chooseOtherDatabase() {
  const std::optional<std::string> path =
      editor_.prompt().askFileName({.title = std::string(kSelectDatabaseTitle),
                                    .filter = korainString(text_id::kDatabaseFilter),
                                    .defaultExtension = "ko2",
                                    .initialName = folderOf(database_),
                                    .save = false});
  if (!path) return;
  ShipData ship;
  readShipData(*path, ship);
  otherShip_ = std::move(ship);
  listArrangements(*path);
}

void FM_CopyBulkheads::listArrangements(const std::string& path) {
  database_ = path;
  databaseLabel_->setText("Database: " + QFileInfo(QString::fromStdString(path)).fileName());
  bulkheads_->clear();
  source_ = {};
  fillBlockList(*arrangements_, path, BlockKind::Zel, editor_);
  followChecks();
}

void FM_CopyBulkheads::arrangementChosen() {
  bulkheads_->clear();
  source_ = {};
  const QList<QListWidgetItem*> rows = arrangements_->selectedItems();
  if (!rows.isEmpty()) {
    const Integer block = blockOfRow(*rows.front());
    const std::string file = QFileInfo(QString::fromStdString(database_)).fileName().toStdString();
    if (block == kEditedArrangement) {
      source_ = editor_.session().arrangement();
      sourceName_ = "this arrangement";
    } else {
      const ZelReadResult read = readZelBlock(database_, block, source_);
      sourceName_ = "block " + std::to_string(block) + " of " + file;
      // A bulkhead read in part would be copied in part.
      if (read.status != ZelReadStatus::Read) {
        source_ = {};
        std::string said = sourceName_ + " cannot be read whole:";
        for (const FileMessage& message : read.messages)
          said += kMessageLineBreak + message.toString();
        editor_.prompt().showMessage(said);
      }
    }
  }
  listBulkheads();
}

void FM_CopyBulkheads::listBulkheads() {
  const QSignalBlocker quiet(bulkheads_);
  for (int i = 1; i <= source_.Bulkheads.count(); ++i) {
    auto* row = new QListWidgetItem(bulkheadRowText(i, source_.Bulkheads.at(i)), bulkheads_);
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setCheckState(Qt::Unchecked);
    row->setData(Qt::UserRole, i);
  }
  followChecks();
}

void FM_CopyBulkheads::checkAll() {
  for (int row = 0; row < bulkheads_->count(); ++row) {
    bulkheads_->item(row)->setCheckState(Qt::Checked);
  }
}

std::vector<int> FM_CopyBulkheads::checkedBulkheads() const {
  std::vector<int> checked;
  for (int row = 0; row < bulkheads_->count(); ++row) {
    const QListWidgetItem& item = *bulkheads_->item(row);
    if (item.checkState() == Qt::Checked) checked.push_back(item.data(Qt::UserRole).toInt());
  }
  return checked;
}

void FM_CopyBulkheads::followChecks() { ok_->setEnabled(!checkedBulkheads().empty()); }

void FM_CopyBulkheads::confirm() {
  const std::vector<int> chosen = checkedBulkheads();
  const Arrangement& here = editor_.session().arrangement();
  if (const std::optional<std::string> refused =
          refusedBulkheadChoice(source_, chosen, here.Bulkheads.count())) {
    editor_.prompt().showMessage(*refused);
    return;
  }
  const std::optional<CopyShips> ships =
      otherShip_ ? std::optional<CopyShips>(
                       CopyShips{.there = *otherShip_, .here = editor_.session().ship()})
                 : std::nullopt;
  const BulkheadCopy copy = pickBulkheads(source_, chosen, sourceName_, ships);
  accept();
  editor_.change({.label = "Copy bulkheads",
                  .scope = EditScope::resizedAt(here.Bulkheads.count() + 1),
                  .edit = [copy](Arrangement& a) { return appendBulkheads(a, copy); },
                  .follow = kRefreshAll});
}

}  // namespace korain
