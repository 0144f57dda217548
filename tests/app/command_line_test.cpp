// The command line: switches, quoted and unquoted arguments, the block number.
#include "command_line.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

// V, J, D, M for the modes set.
std::string switchesOf(const CommandLine& commandLine) {
  std::string switches;
  if (commandLine.TollanMode) switches += 'V';
  if (commandLine.JbpMode) switches += 'J';
  if (commandLine.DebugMode) switches += 'D';
  if (commandLine.NavalMode) switches += 'M';
  return switches;
}

TEST(CommandLine, SwitchesAndArguments) {
  const struct {
    const char* line;
    const char* switches;  // V, J, D, M for the modes set
    std::vector<std::string> arguments;
  } cases[] = {
      {"   ", "", {}},
      {"/v /jbp /D /MiL ship.ko2 3", "VJDM", {"ship.ko2", "3"}},
      {"ship.ko2 /d 4", "D", {"ship.ko2", "4"}},
      // A switch text followed by other characters is no switch and stays.
      {"/dx ship.ko2", "", {"/dx", "ship.ko2"}},
      {"/d/mil", "M", {"/d"}},
      // Only the first occurrence counts, even when a later one would.
      {"ship.ko2 /dx /d", "", {"ship.ko2", "/dx", "/d"}},
      // Whatever comes before it: a path ending in "/d" is the switch.
      {"data/d 1", "D", {"data", "1"}},
      // Quoted texts, with either quote, come first; a quote of either kind closes.
      {"'my ship.ko2' 3", "", {"my ship.ko2", "3"}},
      {"3 \"my ship.ko2'", "", {"my ship.ko2", "3"}},
      {"\"a b\" 'c d' 5", "", {"a b", "c d", "5"}},
      {"\"my ship.ko2 3", "", {"my ship.ko2 3"}},
      {"\"\" 3", "", {"", "3"}},
      // Switches are taken before quotes are looked at, even inside them.
      {"/d \"x /mil y.ko2\"", "DM", {"x      y.ko2"}},
      {"  my ship.ko2     2  ", "", {"my", "ship.ko2", "2"}},
  };
  for (const auto& c : cases) {
    const CommandLine commandLine = parseCommandLine(c.line);
    EXPECT_EQ(switchesOf(commandLine), c.switches) << c.line;
    EXPECT_EQ(commandLine.arguments, c.arguments) << c.line;
  }
}

TEST(CommandLine, BlockNumber) {
  const std::pair<const char*, Integer> cases[] = {
      {"ship.ko2", 0},           {"ship.ko2 3", 3},     {"my ship.ko2", 0},   // text: no block
      {"ship.ko2 3abc", 3},      {"ship.ko2 2.6", 3},   {"ship.ko2 2.5", 2},  // halfway to even
      {"ship.ko2 3.5", 4},       {"ship.ko2 .6", 1},    {"ship.ko2 +7", 7},  {"ship.ko2 -2", 0},
      {"ship.ko2 32767", 32767}, {"ship.ko2 32768", 0}, {"ship.ko2 1e2", 1}, {"ship.ko2 - 4", 0},
  };
  for (const auto& [line, number] : cases) {
    EXPECT_EQ(parseCommandLine(line).arrangementNumber(), number) << line;
  }
  EXPECT_EQ(parseCommandLine("my ship.ko2 3").databaseName(), "my");
  EXPECT_EQ(parseCommandLine("").databaseName(), "");
}

TEST(CommandLine, ProcessArgumentsArriveWhole) {
  const struct {
    QStringList given;
    const char* switches;  // V, J, D, M for the modes set
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
