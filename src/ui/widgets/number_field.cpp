#include "widgets/number_field.h"

#include <QDoubleValidator>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace korain {

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
  const double number = QLocale::c().toDouble(text().trimmed(), &ok);
  return ok && std::isfinite(number) ? number : 0.0;
}

void NumberField::showValue(double value) { showText(numberFieldText(value)); }

void NumberField::setRange(double minimum, double maximum) {
  minimum_ = std::min(minimum, maximum);
  maximum_ = std::max(minimum, maximum);
}

void NumberField::settle() {
  const double typed = value();
  const double allowed = std::clamp(typed, minimum_, maximum_);
  if (allowed != typed || text().trimmed().isEmpty()) setText(numberFieldText(allowed));
}

QString numberFieldText(double value) {
  QString text = QLocale::c().toString(value, 'f', 4);
  while (text.endsWith('0')) text.chop(1);
  if (text.endsWith('.')) text.chop(1);
  return text == "-0" ? QStringLiteral("0") : text;
}

}  // namespace korain
