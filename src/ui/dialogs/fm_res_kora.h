// The resonance dialog of a compartment: effective dimensions, filling levels,
// tank geometry and the risks to consider, with the periods and verdicts of
// every level shown while the user edits. Works on a copy written back on Ok.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolBar>
#include <string>

#include "editor.h"
#include "model/arrangement.h"
#include "view/compartment_dialog_states.h"
#include "widgets/number_field.h"

namespace korain {

class FM_ResKora : public QDialog {
  Q_OBJECT

 public:
  // Edits the compartment on `side` (1 forward, 2 aftward) of the current bulkhead.
  FM_ResKora(Editor& editor, int side, QWidget* parent = nullptr);

  // The grid's current row, 1-based; 0 when there is no level.
  int currentRow() const { return currentRow_; }

  // Cancel, Escape and closing the window: with changes, the user is asked
  // whether to drop them; No keeps the dialog open.
  void reject() override;

 private:
  QWidget* dimensionsRow();
  QWidget* levelsGroup();
  QToolBar* levelTools(QWidget* group);
  QTableWidget* levelGrid(QWidget* group);
  QWidget* resultsGroup();
  QWidget* risksGroup();
  // OP_Risk_<number>: ticks the compartment's flag of that risk.
  QCheckBox* riskCheck(QWidget* group, const char* caption, int number, bool Compartment::*flag);
  QWidget* geometryGroup();
  // The state's text a field shows of its entry.
  using ShownText = std::string ResonanceDialogState::*;
  NumberField* effectiveField(const char* name, int entry, ShownText text);
  void fill();
  void fillGrid();
  // What the working copy shows, computed anew from it.
  ResonanceDialogState state() const;
  void showResults(const ResonanceDialogState& shown);
  void setChanged();
  // A cell typed in: its value into the level, a percentage converted to metres.
  void readCell(const QTableWidgetItem& item);
  QString copiedLevels() const;
  void pasteLevelRows(const QString& text);
  void addLevel();
  void deleteLevel();
  void addDefaultLevels();
  // Ok: with changes one undo step; without, the effective dimensions the
  // dialog started from are still stored, unrecorded.
  void confirm();

  Editor& editor_;
  Integer bulkhead_;
  int side_;
  Compartment copy_;
  bool changed_ = false;
  bool filling_ = false;
  int currentRow_ = 0;

  NumberField* effectiveLength_ = nullptr;
  NumberField* effectiveBreadth_ = nullptr;
  QTableWidget* grid_ = nullptr;
  QAction* add_ = nullptr;
  QAction* delete_ = nullptr;
  QPushButton* defaults_ = nullptr;
  QLabel* periodsLabel_ = nullptr;
  QTableWidget* results_ = nullptr;
  struct {
    QCheckBox* pitch = nullptr;  // OP_Risk_1
    QCheckBox* roll = nullptr;   // OP_Risk_2
    QCheckBox* sway = nullptr;   // OP_Risk_3
  } risks_;
  QButtonGroup* longiSmooth_ = nullptr;
  QButtonGroup* transSmooth_ = nullptr;
};

}  // namespace korain
