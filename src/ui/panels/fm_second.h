// The ordinary stiffeners panel: every stiffener of the current bulkhead in
// one multi-select list, each edit applied to the whole selection, with tabs
// for the scantling, the two brackets and the spans of one support interval.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <array>
#include <optional>
#include <string_view>

#include "edit/stiffener_edits.h"
#include "panels/form_binder.h"
#include "panels/panel.h"
#include "panels/step_buttons.h"
#include "widgets/number_field.h"

namespace korain {

class FM_Second : public Panel {
  Q_OBJECT

 public:
  explicit FM_Second(Editor& editor, QWidget* parent = nullptr);

 protected:
  EditOutcome addItem(Arrangement& arrangement) override;
  // Removes the selected stiffeners.
  EditOutcome removeItem(Arrangement& arrangement) override;
  void fillControls() override;

 private:
  void buildControls();
  QLayout* buildGroupRow();
  QGroupBox* buildScantlingGroup();
  QWidget* buildTypeTools();
  QGroupBox* buildMaterialGroup();
  QGroupBox* buildBracketGroup();
  QGroupBox* buildSpanGroup();
  QGroupBox* buildSpanBracketGroup();
  QGroupBox* buildConnectionGroup();
  QPushButton* buildSpanBracketsButton();

  FormPlace place();
  void showNoStiffener();
  void fillListRows(const Bulkhead& bulkhead);
  void fillGroup(const Bulkhead& bulkhead);
  void fillForms();
  void showGroups(StiffenerTab shown);
  void showType();
  void showMaterial();
  std::optional<FormValue> askBefore(std::string_view objectName, FormValue value);

  void listSelectionChanged();
  void tabChosen(int index);
  void typePressed(Long code);
  void materialChosen(int index);
  void spanStepped(int step);
  void positionCommitted();
  void spacingCommitted();
  // A column of positions pasted: the selected stiffeners moved, new ones
  // for the positions left over; the selected stiffeners' positions copied.
  void pasteStiffenerPositions(const QString& text);
  QString copiedStiffenerPositions() const;

  QWidget* controls_ = nullptr;
  FormBinder* binder_ = nullptr;
  QListWidget* list_ = nullptr;
  QComboBox* tabs_ = nullptr;
  QLabel* axis_ = nullptr;
  NumberField* position_ = nullptr;
  NumberField* spacing_ = nullptr;
  QGroupBox* scantling_ = nullptr;
  QLabel* typeCaption_ = nullptr;
  QWidget* typeTools_ = nullptr;  // SS_type: a tool for each profile code
  QWidget* spanReductionRow_ = nullptr;
  QGroupBox* material_ = nullptr;
  QComboBox* materials_ = nullptr;
  QGroupBox* bracket_ = nullptr;
  QGroupBox* span_ = nullptr;
  StepButtons spanSteps_;
  QLabel* spanNumber_ = nullptr;
  QWidget* defaultSpan_ = nullptr;
  QLabel* sectionModulus_ = nullptr;  // of the first selected stiffener's span, read only
  QGroupBox* spanBracket_ = nullptr;
  QGroupBox* connection_ = nullptr;
  QPushButton* spanBrackets_ = nullptr;
};

}  // namespace korain
