#include "widgets/typed_number.h"

#include <QLocale>

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

}  // namespace korain
