// The bulkhead panel: name, type, plating material, stiffener direction and
// side, and the two stools of the current bulkhead; adds and removes bulkheads.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <array>

#include "edit/bulkhead_edits.h"
#include "panels/panel.h"
#include "widgets/commit_field.h"
#include "widgets/number_field.h"

namespace korain {

class FormRows;

class FM_Bh : public Panel {
  Q_OBJECT

 public:
  explicit FM_Bh(Editor& editor, QWidget* parent = nullptr);

  // Adding or removing a bulkhead moves the ones after it.
  EditScope scopeOf(ItemCommand command) const override;

 protected:
  EditOutcome addItem(Arrangement& arrangement) override;
  EditOutcome removeItem(Arrangement& arrangement) override;
  void fillControls() override;
  // The stool controls.
  void fillRows() override;

 private:
  void buildControls();
  void addStoolRows(FormRows& rows);
  void showWeight();
  // Refills the material list when the ship's materials differ from it (another
  // database may have been opened since).
  void fillMaterials();
  // The bulkhead's data as the controls give them.
  BulkheadData dataOfControls(const Bulkhead& bulkhead) const;
  // The common change handler of the bulkhead's fields.
  void changeData(Follow follow);
  void stoolClicked();
  void upperStoolSlopedClicked(bool ticked);

  QWidget* form_ = nullptr;
  CommitField* name_ = nullptr;
  QComboBox* type_ = nullptr;
  QComboBox* material_ = nullptr;
  QComboBox* direction_ = nullptr;
  QComboBox* side_ = nullptr;
  std::array<QCheckBox*, 2> stool_{};
  std::array<QLabel*, 2> stoolZLabel_{};
  std::array<NumberField*, 2> stoolZ_{};
  QCheckBox* upperStoolSloped_ = nullptr;
  QLabel* weight_ = nullptr;  // the bulkhead's steel weight, read only
};

}  // namespace korain
