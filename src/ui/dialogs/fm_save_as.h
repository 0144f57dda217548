// The Save As dialog: a new block under a new name, or an existing arrangement to overwrite.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <string>

#include "editor.h"
#include "save_workflow.h"

namespace korain {

class FM_SaveAs : public QDialog {
  Q_OBJECT

 public:
  // `initialName` fills the name field (saveAsInitialName gives the usual proposal).
  FM_SaveAs(Editor& editor, const QString& initialName, QWidget* parent = nullptr);

  // What Ok settled; read it only when the dialog was accepted.
  const SaveAsChoice& choice() const { return choice_; }

 private:
  void modeChosen();
  QListWidgetItem* selectedRow() const;
  void confirm();
  bool confirmReplacing(const std::string& name);

  Editor& editor_;
  QRadioButton* createOption_;
  QLineEdit* name_;
  QListWidget* list_;
  SaveAsChoice choice_;
};

// What the name field first proposes: an arrangement that has a name of its
// own is offered as a copy of it, a new one keeps its default name (so the
// dialog insists on a real one).
std::string saveAsInitialName(const std::string& currentName);

}  // namespace korain
