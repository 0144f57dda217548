// The command line: mode switches, the database file and the arrangement block to open.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

#include "model/arrangement.h"

namespace korain {

struct CommandLine {
  bool TollanMode = false;  // "/V": the arrangement's state is driven from outside
  bool JbpMode = false;     // "/JBP"
  bool DebugMode = false;   // "/d"
  bool NavalMode = false;   // "/mil": naval ship
  // "--list": the database's arrangements are offered instead of a new one, as the
  // desktop's file manager opens a database.
  bool ListMode = false;
  // What is left after the switches: quoted arguments first, in their order,
  // then the unquoted words.
  std::vector<std::string> arguments;

  // Argument 1, or empty.
  std::string databaseName() const;
  // Argument 2 as a block number: the decimal number it begins with, rounded to
  // the nearest whole number (halfway to even): "3abc" is 3, "2.6" is 3, "2.5" is
  // 2, text is 0. A number below 1 or beyond the Integer range names no block: 0.
  Integer arrangementNumber() const;
};

// Reads the process arguments after the program's name, already split by the
// shell, so that a name holding blanks, quotes or a switch's text arrives whole.
// Each switch is the first argument equal to its text in any case; the others,
// a later repeat of a switch included, are the arguments in their order.
CommandLine parseArguments(const QStringList& arguments);

// The title with " JBP" and then " MIL" appended for those modes.
std::string applicationTitle(std::string_view baseTitle, const CommandLine& commandLine);

}  // namespace korain
