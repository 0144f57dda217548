// The numeric field of the panels and dialogs: a value with an allowed range.
#pragma once

#include <limits>

#include "widgets/commit_field.h"

namespace korain {

class NumberField : public CommitField {
  Q_OBJECT

 public:
  explicit NumberField(QWidget* parent = nullptr);

  // The value shown; 0 when the field is empty or holds no number.
  double value() const;
  // Shows a value from the model (not a change of the user's).
  void showValue(double value);
  // Empties the field, as a disabled panel shows it.
  void showEmpty() { showText({}); }

  // A typed value outside the range, or no number at all, is refused: the
  // field goes back to the model's value and tells the allowed range.
  void setRange(double minimum, double maximum);
  double minimum() const { return minimum_; }
  double maximum() const { return maximum_; }
  // "From a to b", empty for a field that takes any number.
  QString rangeText() const;

 protected:
  bool settle() override;

 private:
  double minimum_ = std::numeric_limits<double>::lowest();
  double maximum_ = std::numeric_limits<double>::max();
};

// The text a number field shows for a value: plain decimals, "." as separator,
// no trailing zeros, at most four decimals.
QString numberFieldText(double value);

}  // namespace korain
