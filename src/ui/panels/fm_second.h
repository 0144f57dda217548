// The ordinary stiffeners panel: every stiffener of the current bulkhead in
// one multi-select list, each edit applied to the whole selection, with tabs
// for the scantling, the two brackets and the spans of one support interval.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <array>

#include "edit/stiffener_edits.h"
#include "panels/panel.h"
#include "widgets/number_field.h"

namespace korain {

class FM_Second : public Panel {
  Q_OBJECT

 public:
  explicit FM_Second(Editor& editor, QWidget* parent = nullptr);

  // Fills a connection list with the texts of the connection types.
  static void FillSecCB_typeConn(QComboBox& list);

 protected:
  EditOutcome addItem(Arrangement& arrangement) override;
  // Removes the selected stiffeners.
  EditOutcome removeItem(Arrangement& arrangement) override;
  void fillControls() override;

 private:
  void buildControls();
  QLayout* buildGroupRow();
  QGroupBox* buildScantlingGroup();
  QGroupBox* buildMaterialGroup();
  QGroupBox* buildBracketGroup();
  QGroupBox* buildSpanGroup();
  QGroupBox* buildSpanBracketGroup();
  QGroupBox* buildConnectionGroup();
  NumberField* addStiffField(int index);

  StiffenerTab tab();
  void showNoStiffener();
  void fillListRows(const Bulkhead& bulkhead);
  void fillFields(const Bulkhead& bulkhead);
  void showGroups(StiffenerTab shown);
  void showType(std::optional<Long> code);
  StiffenerValues valuesOfControls() const;

  void changeValues(const std::string& label, Follow follow);
  void listSelectionChanged();
  void tabChosen(int index);
  void typePressed(int tool);
  void bracketClicked(int box);
  void spanStepped(int step);
  void connectionChosen(int index);
  void positionCommitted();
  void spacingCommitted();

  QWidget* controls_ = nullptr;
  QListWidget* list_ = nullptr;
  QComboBox* tabs_ = nullptr;
  QLabel* axis_ = nullptr;
  std::array<NumberField*, 2> group_{};  // FTX_m 0 position, 1 spacing
  QGroupBox* scantling_ = nullptr;
  QLabel* typeCaption_ = nullptr;
  std::array<QToolButton*, 5> types_{};
  std::array<NumberField*, 7> stiff_{};  // FTX_Stiff 0..6
  NumberField* spanReduction_ = nullptr;
  QWidget* spanReductionRow_ = nullptr;
  QGroupBox* material_ = nullptr;
  QComboBox* materials_ = nullptr;
  QGroupBox* bracket_ = nullptr;
  std::array<QCheckBox*, 2> brackets_{};  // OP_Brack 0 fixed, 1 no bracket
  QGroupBox* span_ = nullptr;
  std::array<QToolButton*, 2> spanSteps_{};
  QLabel* spanNumber_ = nullptr;
  QCheckBox* defaultSpan_ = nullptr;
  QLabel* sectionModulus_ = nullptr;  // of the first selected stiffener's span, read only
  QGroupBox* spanBracket_ = nullptr;
  QGroupBox* connection_ = nullptr;
  QComboBox* connections_ = nullptr;
  bool scantlingEnabled_ = false;
};

}  // namespace korain
