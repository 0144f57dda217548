// The dialog that chooses the bulkhead arrangement to open from the database's blocks.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <optional>

#include "dialogs/section_preview.h"
#include "editor.h"

namespace korain {

class FM_SelSec : public QDialog {
  Q_OBJECT

 public:
  // `caption` is the caption of the menu entry that opens the dialog.
  FM_SelSec(Editor& editor, const QString& caption, QWidget* parent = nullptr);

  // The block of the arrangement chosen with Ok; none when cancelled.
  std::optional<Integer> chosenBlock() const;

 private:
  QListWidgetItem* selectedRow() const;
  void rowSelected();
  void preview(const QListWidgetItem& row);
  void clearPreview();
  void confirm();

  Editor& editor_;
  QListWidget* list_;
  QCheckBox* previewOption_;
  SectionPreview* picture_;
  QLabel* xLabel_;
  std::optional<Integer> chosen_;
};

}  // namespace korain
