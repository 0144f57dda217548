// The bulkhead selector above the object panels.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include "editor.h"

namespace korain {

class FM_CBPanel : public QWidget {
  Q_OBJECT

 public:
  explicit FM_CBPanel(Editor& editor, QWidget* parent = nullptr);

  // Fills the list from the bulkheads and selects the current one; the
  // session's refresh calls it, and no choice of the user's is seen meanwhile.
  void refresh();
  // Next (+1) or previous (-1) bulkhead, wrapping around; acts as the user's choice.
  void step(int direction);

 private:
  // The bulkhead at list position `position` becomes current: no change of
  // the arrangement, so nothing is recorded or recomputed.
  void choose(int position);

  Editor& editor_;
  QLabel* label_;
  QComboBox* list_;
};

}  // namespace korain
