// The dialog that copies bulkheads of an arrangement, of this database or of
// another one, to the end of the arrangement being edited.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <optional>
#include <string>
#include <vector>

#include "editor.h"
#include "ship/ship_data.h"

namespace korain {

class FM_CopyBulkheads : public QDialog {
  Q_OBJECT

 public:
  explicit FM_CopyBulkheads(Editor& editor, QWidget* parent = nullptr);

 private:
  // The arrangements of this database, the one being edited first as it is now.
  void showThisDatabase();
  // Asks for another database and lists its arrangements; its ship data name
  // the materials its bulkheads' numbers mean.
  void chooseOtherDatabase();
  void listArrangements(const std::string& path);
  void arrangementChosen();
  void listBulkheads();
  void checkAll();
  std::vector<int> checkedBulkheads() const;
  void followChecks();
  // Appends the checked bulkheads as one change, and closes.
  void confirm();

  Editor& editor_;
  std::string database_;
  std::optional<ShipData> otherShip_;  // none: this database
  Arrangement source_;
  std::string sourceName_;
  QLabel* databaseLabel_;
  QListWidget* arrangements_;
  QListWidget* bulkheads_;
  QPushButton* ok_;
};

}  // namespace korain
