// The dialog that starts a new bulkhead arrangement: empty, or built from the
// compartments of a hull section of the database, at a chosen longitudinal location.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

#include "dialogs/section_preview.h"
#include "editor.h"
#include "section/section.h"
#include "section/section_messages.h"
#include "widgets/number_field.h"

namespace korain {

class FM_NewZel : public QDialog {
  Q_OBJECT

 public:
  // `menuCaption` is the caption of the menu entry that opens the dialog ("&New...").
  FM_NewZel(Editor& editor, const QString& menuCaption, QWidget* parent = nullptr);

  // The arrangement chosen with Ok, at the chosen location: empty, or built
  // from the chosen section.
  const Arrangement& arrangement() const { return arrangement_; }
  // What reading and computing the section found when the arrangement was
  // built from it; the editor lists them once the new arrangement is shown.
  const SectionMessages& importMessages() const { return importMessages_; }

 private:
  void buildControls();
  void layOutControls(QHBoxLayout& buttons);
  void connectControls(const QPushButton& ok, const QPushButton& cancel);
  void chooseDirectInput();
  void chooseSection();
  void rowSelected();
  void confirm();
  bool importChosenSection();

  Editor& editor_;
  QRadioButton* direct_;
  QRadioButton* basedOn_;
  QListWidget* list_;
  SectionPreview* picture_;
  NumberField* x_;
  Arrangement arrangement_;
  std::optional<Section> section_;  // read from the selected row
  SectionMessages readMessages_;
  SectionMessages importMessages_;
};

// The dialog's caption: the menu caption without its access-key marks, then
// " Bulkhead Arrangement" ("&New..." gives "New... Bulkhead Arrangement").
QString newZelCaption(const QString& menuCaption);

}  // namespace korain
