// What a number field or a number cell lets the user type, and why it turns a keystroke away.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

namespace korain {

// Keeps letters out of a number field, and nothing more: it never rewrites
// what was typed (a stock number validator would take "88,5" for 885 on
// leaving the field), so that the one reading of typed numbers sees the text
// as the user wrote it. A keystroke it turns away makes the field emit
// inputRejected, for the field to say why.
class NumberValidator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& position) const override;
};

// Why `typed` (a keystroke or a pasted text) was turned away; a generic reason
// when what was typed is not known.
QString rejectedTypingReason(const QString& typed);

}  // namespace korain
