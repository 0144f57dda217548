// Which typing a number field accepts, and why it turns a keystroke away.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/number_validator.h"

#include <algorithm>

#include "widgets/typed_number.h"

namespace korain {

QValidator::State NumberValidator::validate(QString& input, int& /*position*/) const {
  for (const QChar c : input) {
    if (!c.isDigit() && !QStringLiteral("+-.,eE ").contains(c)) return Invalid;
  }
  bool ok = false;
  typedNumber(input, ok);
  return ok ? Acceptable : Intermediate;
}

QString rejectedTypingReason(const QString& typed) {
  const QString shown = typed.trimmed();
  // A shortcut's text (Ctrl+V gives a control character) is no typing to quote.
  const bool printable = std::ranges::all_of(shown, [](QChar c) { return c.isPrint(); });
  if (shown.isEmpty() || !printable) return QStringLiteral("only a number is taken here");
  return "\"" + shown.left(12) + "\" is not part of a number";
}

}  // namespace korain
