// The bulkhead selector above the object panels.
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

  // Fills the list from the bulkheads and selects the current one.
  void refreshControls();
  // Next (+1) or previous (-1) bulkhead, wrapping around; acts as the user's choice.
  void step(int direction);

 signals:
  // The user chose a bulkhead: the main window refreshes panel, menus and drawing.
  void bulkheadChosen();

 private:
  void choose(int position);

  Editor& editor_;
  QLabel* label_;
  QComboBox* list_;
};

}  // namespace korain
