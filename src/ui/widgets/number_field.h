// The numeric field of the panels and dialogs: a value with an allowed range.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <limits>
#include <optional>

#include "widgets/commit_field.h"

namespace korain {

class NumberField : public CommitField {
  Q_OBJECT

 public:
  explicit NumberField(QWidget* parent = nullptr);

  // The value typed when the field would take it, else the value the model
  // gave (a refused text never reaches the model); 0 for an empty field.
  double value() const;
  // Shows a value from the model (not a change of the user's).
  void showValue(double value);
  // A value to show, or none: the field is then empty.
  void showValue(std::optional<double> value);
  // Empties the field, as a disabled panel shows it.
  void showEmpty() { showText({}); }

  // A typed value outside the range, or no number at all, is refused where
  // the user looks: the field keeps the text, selected, and the focus, and the
  // status line of the field's window (the dialog's own, for a dialog's field)
  // says the field's caption with its range until the text is mended or taken
  // back. A keystroke that cannot be part of a number is not taken, and the
  // status line says so until the next keystroke the field takes.
  void setRange(double minimum, double maximum);
  double minimum() const { return minimum_; }
  double maximum() const { return maximum_; }
  // What a whole-number field does with a fraction: a count, a page or a
  // point size refuses it; an index kept as a whole number rounds it.
  enum class Fraction { Refused, Rounded };
  void setWholeNumbers(Fraction fraction = Fraction::Refused);
  // The value of a whole-number field.
  int wholeValue() const;
  // "From a to b" ("A whole number from a to b"), "At least a" or "At most b"
  // for a range open on one side, empty for a field that takes any number.
  QString rangeText() const;
  // The name the refusal gives the field; by default its label's caption.
  void setCaption(const QString& caption) { caption_ = caption; }
  QString caption() const;
  // Whether the field holds a text it refused.
  bool holdsRefusal() const { return refused_; }

 protected:
  bool settle() override;
  void refuse() override;
  void textShown() override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool takes(const QString& text, double& number) const;
  // The text of a whole number rounded from a fraction, when the field rounds.
  void showRounded(double number);
  // A keystroke (or a paste) the validator turned away, said aloud.
  void refuseTyping();
  void announce(const QString& reason);
  // The refusal, once the field no longer holds it, is taken back.
  void endRefusal();
  // The word about a keystroke turned away, once the field takes one or is left.
  void endTypingRefusal();

  QString caption_;
  QString lastTyped_;
  bool refused_ = false;
  bool typingRefused_ = false;
  bool whole_ = false;
  Fraction fraction_ = Fraction::Refused;
  double minimum_ = std::numeric_limits<double>::lowest();
  double maximum_ = std::numeric_limits<double>::max();
};

// Settles every number field of a form being confirmed; false, with the
// first refused field holding the focus, when any of them refuses its text.
bool settleNumberFields(QWidget& form);

// The text a number field shows for a value: plain decimals, "." as separator,
// no trailing zeros, at most four decimals.
QString numberFieldText(double value);

}  // namespace korain
