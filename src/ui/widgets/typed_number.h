// Reading a number the user typed into a field or a table cell.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace korain {

// The number typed, with "." or a lone "," before the decimals ("1,500" is 1.5,
// never 1500); ok tells whether the text is a number at all. A run of digits too
// long for a double comes back as infinity with ok false.
double typedNumber(const QString& typed, bool& ok);

// Why a text that is refused as a number is refused, when no range says it:
// too large to keep, or no number at all.
QString notANumberReason(const QString& typed);

}  // namespace korain
