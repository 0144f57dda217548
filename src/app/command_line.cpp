// Reading the command line into switches and arguments.
#include "command_line.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "text/line_values.h"

namespace korain {
namespace {

constexpr char kBlank = ' ';
constexpr std::string_view kQuotes = "\"'";

// Switches in the order they are looked for, each with the flag it sets.
struct Switch {
  std::string_view text;
  bool CommandLine::*flag;
};
constexpr Switch kSwitches[] = {{"/V", &CommandLine::TollanMode},
                                {"/JBP", &CommandLine::JbpMode},
                                {"/d", &CommandLine::DebugMode},
                                {"/mil", &CommandLine::NavalMode}};

char lowerAscii(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

void trimBlanks(std::string& line) {
  const std::size_t first = line.find_first_not_of(kBlank);
  if (first == std::string::npos) {
    line.clear();
    return;
  }
  line.erase(line.find_last_not_of(kBlank) + 1);
  line.erase(0, first);
}

void blankOut(std::string& line, std::size_t position, std::size_t length) {
  line.replace(position, length, length, kBlank);
  trimBlanks(line);
}

std::size_t findIgnoringCase(std::string_view line, std::string_view text) {
  const auto found = std::search(line.begin(), line.end(), text.begin(), text.end(),
                                 [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
  return found == line.end() ? std::string::npos : static_cast<std::size_t>(found - line.begin());
}

bool takeSwitch(std::string& line, std::string_view text) {
  const std::size_t at = findIgnoringCase(line, text);
  if (at == std::string::npos) return false;
  const std::size_t end = at + text.size();
  if (end < line.size() && line[end] != kBlank) return false;
  blankOut(line, at, text.size());
  return true;
}

void takeQuotedArguments(std::string& line, std::vector<std::string>& arguments) {
  for (std::size_t open = line.find_first_of(kQuotes); open != std::string::npos;
       open = line.find_first_of(kQuotes)) {
    const std::size_t close = line.find_first_of(kQuotes, open + 1);
    const std::size_t textEnd = close == std::string::npos ? line.size() : close;
    arguments.push_back(line.substr(open + 1, textEnd - open - 1));
    const std::size_t end = close == std::string::npos ? line.size() : close + 1;
    blankOut(line, open, end - open);
  }
}

void splitAtBlanks(std::string_view line, std::vector<std::string>& arguments) {
  std::size_t start = line.find_first_not_of(kBlank);
  while (start != std::string_view::npos) {
    const std::size_t end = std::min(line.find(kBlank, start), line.size());
    arguments.emplace_back(line.substr(start, end - start));
    start = line.find_first_not_of(kBlank, end);
  }
}

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

CommandLine parseCommandLine(std::string_view text) {
  CommandLine commandLine;
  std::string line(text);
  trimBlanks(line);
  for (const auto& [switchText, flag] : kSwitches) commandLine.*flag = takeSwitch(line, switchText);
  takeQuotedArguments(line, commandLine.arguments);
  splitAtBlanks(line, commandLine.arguments);
  return commandLine;
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
