// Reading the command line into switches and arguments.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <cctype>
#include <charconv>

#include "text/line_values.h"

namespace korain {
namespace {

// Switches in the order they are looked for, each with the flag it sets.
struct Switch {
  std::string_view text;
  bool CommandLine::*flag;
};
constexpr Switch kSwitches[] = {{"/V", &CommandLine::TollanMode},
                                {"/JBP", &CommandLine::JbpMode},
                                {"/d", &CommandLine::DebugMode},
                                {"/mil", &CommandLine::NavalMode},
                                {"--list", &CommandLine::ListMode}};

// The decimal number a text begins with: sign, digits and a fraction; 0 when
// it begins with anything else.
double leadingNumber(std::string_view text) {
  std::size_t end = 0;
  if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
  const auto skipDigits = [&] {
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
  };
  skipDigits();
  if (end < text.size() && text[end] == '.') {
    ++end;
    skipDigits();
  }
  std::string_view number = text.substr(0, end);
  if (number.starts_with('+')) number.remove_prefix(1);
  double value = 0;
  std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
  return value;
}

}  // namespace

std::string CommandLine::databaseName() const {
  return arguments.empty() ? std::string() : arguments[0];
}

Integer CommandLine::arrangementNumber() const {
  if (arguments.size() < 2) return 0;
  const Integer number = toInteger(leadingNumber(arguments[1])).value_or(0);
  return number > 0 ? number : Integer{0};
}

CommandLine parseArguments(const QStringList& arguments) {
  CommandLine commandLine;
  QStringList rest = arguments;
  for (const auto& [switchText, flag] : kSwitches) {
    const QString text = QString::fromUtf8(switchText.data(), qsizetype(switchText.size()));
    for (qsizetype i = 0; i < rest.size(); ++i) {
      if (rest[i].compare(text, Qt::CaseInsensitive) != 0) continue;
      commandLine.*flag = true;
      rest.removeAt(i);
      break;
    }
  }
  for (const QString& argument : rest) commandLine.arguments.push_back(argument.toStdString());
  return commandLine;
}

std::string applicationTitle(std::string_view baseTitle, const CommandLine& commandLine) {
  std::string title(baseTitle);
  if (commandLine.JbpMode) title += " JBP";
  if (commandLine.NavalMode) title += " MIL";
  return title;
}

}  // namespace korain
