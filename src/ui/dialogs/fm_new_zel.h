// The dialog that starts a new bulkhead arrangement at a chosen longitudinal location.
#pragma once

#include <QDialog>

#include "editor.h"
#include "widgets/number_field.h"

namespace korain {

class FM_NewZel : public QDialog {
  Q_OBJECT

 public:
  // `menuCaption` is the caption of the menu entry that opens the dialog ("&New...").
  FM_NewZel(Editor& editor, const QString& menuCaption, QWidget* parent = nullptr);

  // The arrangement chosen with Ok: empty, at the chosen location.
  const Arrangement& arrangement() const { return arrangement_; }

 private:
  void confirm();

  Editor& editor_;
  NumberField* x_;
  Arrangement arrangement_;
};

// The dialog's caption: the menu caption without its access-key marks, then
// " Bulkhead Arrangement" ("&New..." gives "New... Bulkhead Arrangement").
QString newZelCaption(const QString& menuCaption);

}  // namespace korain
