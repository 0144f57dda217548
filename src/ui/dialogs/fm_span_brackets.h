// "Brackets at span ends": the brackets at the ends of the current interval's
// span of the selected stiffeners, set in one step.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <optional>

#include "edit/span_bracket_edits.h"
#include "editor.h"
#include "widgets/number_field.h"

namespace korain {

class FM_SpanBrackets : public QDialog {
  Q_OBJECT

 public:
  explicit FM_SpanBrackets(Editor& editor, QWidget* parent = nullptr);

 private:
  void buildFields();
  // The flat bar fields are for a scantling of the user's own only.
  void showScantlingChoice();
  // What the fields ask for; none, said aloud, when they ask for nothing.
  std::optional<SpanEndBrackets> bracketsOfFields();
  // Ok: the brackets as one change, once a soft toe beside a new end bracket is accepted.
  void confirm();

  Editor& editor_;
  QCheckBox* lower_ = nullptr;
  QCheckBox* upper_ = nullptr;
  NumberField* length_ = nullptr;
  QCheckBox* webFlatBar_ = nullptr;
  NumberField* height_ = nullptr;
  NumberField* thickness_ = nullptr;
  QLabel* withoutSpan_ = nullptr;
};

}  // namespace korain
