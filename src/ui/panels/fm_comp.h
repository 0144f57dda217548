// The compartment panel: the compartment forward or aft of the current
// bulkhead, its type and main destination, and the doors to its loading,
// dimensions and resonance dialogs.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QPushButton>

#include "edit/compartment_edits.h"
#include "panels/form_binder.h"
#include "panels/panel.h"

namespace korain {

class FM_Comp : public Panel {
  Q_OBJECT

 public:
  explicit FM_Comp(Editor& editor, QWidget* parent = nullptr);

  // The side shown, 1 forward or 2 aftward: the one the dialogs edit.
  int side() const { return side_; }

  void showSubject(const Message& message) override;

 protected:
  void fillControls() override;

 private:
  void buildControls();
  void chooseSide(int index);
  void chooseType(int index);
  void chooseDestination(int index);
  void openLoading();
  void openDimensions();
  void openResonance();

  int side_ = kForwardCompartment;
  // The run's modes never change: the list is the one filled on load.
  DestinationList destinations_ = DestinationList::Full;
  QWidget* controls_ = nullptr;
  FormBinder* binder_ = nullptr;
  QComboBox* sides_ = nullptr;
  QComboBox* destination_ = nullptr;
  QComboBox* type_ = nullptr;
  QPushButton* loading_ = nullptr;
  QPushButton* dimensions_ = nullptr;
  QPushButton* resonance_ = nullptr;
};

}  // namespace korain
