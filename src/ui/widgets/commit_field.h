// A one-line text field that tells when the user has settled a changed value:
// on leaving the field or on Enter. Enter also moves the focus on, as the
// family's forms have always done.
#pragma once

#include <QLineEdit>

namespace korain {

class CommitField : public QLineEdit {
  Q_OBJECT

 public:
  explicit CommitField(QWidget* parent = nullptr);

  // Shows a text from the model; it does not count as the user's change.
  void showText(const QString& text);

 signals:
  // The user changed the text and left the field or pressed Enter.
  void committed();
  // Enter was pressed (after `committed` when the text had changed).
  void enterPressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // The text the user typed turned into what the field holds (a number field
  // normalises it); called before `committed`.
  virtual void settle() {}

 private:
  void commitIfChanged();
};

}  // namespace korain
