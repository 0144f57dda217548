#include "widgets/number_field.h"

#include <QDoubleValidator>
#include <QLocale>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "text/line_values.h"
#include "widgets/typed_number.h"

namespace korain {
namespace {

// Lengths closer than this are the same to the model: a limit shown with four
// decimals and typed back as shown lies within the range.
constexpr double kSlack = 0.001;

bool isBounded(double limit) {
  return limit > std::numeric_limits<double>::lowest() &&
         limit < std::numeric_limits<double>::max();
}

}  // namespace

NumberField::NumberField(QWidget* parent) : CommitField(parent) {
  // Numbers are written with "." whatever the desktop's language.
  auto* validator = new QDoubleValidator(this);
  validator->setLocale(QLocale::c());
  validator->setNotation(QDoubleValidator::StandardNotation);
  setValidator(validator);
  setAlignment(Qt::AlignRight);
}

double NumberField::value() const {
  bool ok = false;
  const double number = typedNumber(text(), ok);
  return ok && std::isfinite(number) ? number : 0.0;
}

void NumberField::showValue(double value) { showText(numberFieldText(value)); }

void NumberField::setRange(double minimum, double maximum) {
  minimum_ = std::min(minimum, maximum);
  maximum_ = std::max(minimum, maximum);
  setToolTip(rangeText());
}

QString NumberField::rangeText() const {
  if (!isBounded(minimum_) && !isBounded(maximum_)) return {};
  return "From " + numberFieldText(minimum_) + " to " + numberFieldText(maximum_);
}

bool NumberField::settle() {
  bool ok = false;
  const double typed = typedNumber(text(), ok);
  // The model keeps its values as Single: a number beyond it would be stored
  // as infinity and written to the file as 0.
  const bool fits = ok && toSingle(typed).has_value();
  if (fits && typed >= minimum_ - kSlack && typed <= maximum_ + kSlack) return true;
  // A run of digits too long for a double comes back as infinity, not a number.
  const bool tooLarge = ok || std::isinf(typed);
  QString refusal = rangeText();
  if (refusal.isEmpty()) {
    refusal = tooLarge ? QStringLiteral("This number is too large")
                       : QStringLiteral("A number is needed here");
  }
  QToolTip::showText(mapToGlobal(rect().bottomLeft()), refusal, this);
  return false;
}

QString numberFieldText(double value) {
  QString text = QLocale::c().toString(value, 'f', 4);
  while (text.endsWith('0')) text.chop(1);
  if (text.endsWith('.')) text.chop(1);
  return text == "-0" ? QStringLiteral("0") : text;
}

}  // namespace korain
