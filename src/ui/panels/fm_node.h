// The node panel: the contour nodes of the current bulkhead, one at a time,
// with the kind of segment that leads to each and the data of its arc, and
// all of them in a table that is edited in its cells, pasted into and copied.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>
#include <array>

#include "edit/node_edits.h"
#include "panels/form_binder.h"
#include "panels/panel.h"
#include "panels/step_buttons.h"

namespace korain {

class FM_Node : public Panel {
  Q_OBJECT

 public:
  explicit FM_Node(Editor& editor, QWidget* parent = nullptr);

 protected:
  // In a debug run, tells when no free place was found for the new node.
  EditOutcome addItem(Arrangement& arrangement) override;
  EditOutcome removeItem(Arrangement& arrangement) override;
  EditOutcome insertItem(Arrangement& arrangement) override;
  void fillControls() override;

 private:
  void buildControls();
  void buildTable();
  void fillTable(const Bulkhead* bulkhead);
  // A cell typed in: the same change as the node's own field of its column.
  void cellCommitted(int row, int column);
  QString copiedRows() const;
  void pasteRows(const QString& text);

  // The places Add tries, at random, for a new node.
  RandomSource random_ = defaultRandomSource();

  QWidget* controls_ = nullptr;
  FormBinder* binder_ = nullptr;
  QLabel* number_ = nullptr;
  StepButtons steps_;
  QLabel* segment_ = nullptr;
  QGroupBox* circle_ = nullptr;
  QTableWidget* table_ = nullptr;  // TB_Nodes
};

}  // namespace korain
