// The strake bands panel: the horizontal bands of the current bulkhead's
// plating and, in the current band, its strakes with thickness and material.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QListWidget>
#include <QToolButton>
#include <array>

#include "panels/form_binder.h"
#include "panels/panel.h"

namespace korain {

class FM_Band : public Panel {
  Q_OBJECT

 public:
  explicit FM_Band(Editor& editor, QWidget* parent = nullptr);

 protected:
  EditOutcome addItem(Arrangement& arrangement) override;
  EditOutcome removeItem(Arrangement& arrangement) override;
  void fillControls() override;

 private:
  void buildControls();
  QGroupBox* buildBandGroup();
  QGroupBox* buildStrakeGroup();
  void addStrake();
  // What Remove strake erases, as its question names it (empty when none):
  // the strake by the number its list shows, strakes being numbered on
  // through every band of the bulkhead.
  std::string erasedStrake() const;
  void removeStrake();

  QWidget* controls_ = nullptr;
  FormBinder* binder_ = nullptr;
  QListWidget* bands_ = nullptr;
  QWidget* z_ = nullptr;
  QListWidget* strakes_ = nullptr;
  QWidget* y_ = nullptr;
  QWidget* strakeTools_ = nullptr;  // SS_AddDel
  // The field that takes the focus after the next filling, once.
  QWidget* focusNext_ = nullptr;
};

}  // namespace korain
