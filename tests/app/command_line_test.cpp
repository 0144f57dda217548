// The command line: switches, the arguments as the shell gives them, the block number.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

// V, J, D, M, L for the modes set.
std::string switchesOf(const CommandLine& commandLine) {
  std::string switches;
  if (commandLine.TollanMode) switches += 'V';
  if (commandLine.JbpMode) switches += 'J';
  if (commandLine.DebugMode) switches += 'D';
  if (commandLine.NavalMode) switches += 'M';
  if (commandLine.ListMode) switches += 'L';
  return switches;
}

TEST(CommandLine, BlockNumber) {
  const std::pair<const char*, Integer> cases[] = {
      {"3", 3},     {"abc", 0}, {"3abc", 3}, {"2.6", 3}, {"2.5", 2},  // halfway to even
      {"3.5", 4},   {".6", 1},  {"+7", 7},   {"-2", 0},  {"32767", 32767},
      {"32768", 0}, {"1e2", 1}, {"- 4", 0},
  };
  for (const auto& [number, block] : cases) {
    EXPECT_EQ(parseArguments({"ship.ko2", number}).arrangementNumber(), block) << number;
  }
  EXPECT_EQ(parseArguments({"ship.ko2"}).arrangementNumber(), 0);
  EXPECT_EQ(parseArguments({"my", "ship.ko2", "3"}).databaseName(), "my");
  EXPECT_EQ(parseArguments({}).databaseName(), "");
}

TEST(CommandLine, ProcessArgumentsArriveWhole) {
  const struct {
    QStringList given;
    const char* switches;  // V, J, D, M, L for the modes set
    std::vector<std::string> arguments;
  } cases[] = {
      {{"/D", "/home/me/My Ships/bulk carrier.ko2", "3"},
       "D",
       {"/home/me/My Ships/bulk carrier.ko2", "3"}},
      // A switch's text inside a name, quotes, a folder ending in a switch.
      {{"/srv/d ships/x /mil y.ko2", "2"}, "", {"/srv/d ships/x /mil y.ko2", "2"}},
      {{"/tmp/it's \"new\".ko2", "1"}, "", {"/tmp/it's \"new\".ko2", "1"}},
      {{"data/d", "1"}, "", {"data/d", "1"}},
      // Only the first of a repeated switch is taken; "/dx" is no switch.
      {{"/mil", "/dx", "/V", "/jbp", "/MIL"}, "VJM", {"/dx", "/MIL"}},
      {{"", "3"}, "", {"", "3"}},
      // "--list" wherever it stands; a name that only begins with it is a name.
      {{"My Ships/bulk carrier.ko2", "--list"}, "L", {"My Ships/bulk carrier.ko2"}},
      {{"--list", "--listing.ko2", "--list"}, "L", {"--listing.ko2", "--list"}},
      {{"Größe.ko2"}, "", {"Größe.ko2"}},
  };
  for (const auto& c : cases) {
    const CommandLine commandLine = parseArguments(c.given);
    EXPECT_EQ(switchesOf(commandLine), c.switches) << c.given.join('|').toStdString();
    EXPECT_EQ(commandLine.arguments, c.arguments) << c.given.join('|').toStdString();
  }
}

}  // namespace
}  // namespace korain
