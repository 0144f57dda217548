// Reading a typed number, and the reason when it is none.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/typed_number.h"

#include <QLocale>
#include <cmath>

namespace korain {

// Many desktops write a comma before the decimals, and no one types thousands
// separators into a length, so a lone comma is the decimal point.
double typedNumber(const QString& typed, bool& ok) {
  QString text = typed.trimmed();
  if (!text.contains('.') && text.count(',') == 1) text.replace(',', '.');
  QLocale numbers = QLocale::c();
  numbers.setNumberOptions(QLocale::RejectGroupSeparator);
  return numbers.toDouble(text, &ok);
}

QString notANumberReason(const QString& typed) {
  bool ok = false;
  const double number = typedNumber(typed, ok);
  // A run of digits too long for a double comes back as infinity, not a number.
  return ok || std::isinf(number) ? QStringLiteral("this number is too large")
                                  : QStringLiteral("a number is needed here");
}

}  // namespace korain
