// The configuration's ranges as start-up holds "Tessaly.ini" to them, and the names its keys
// are written under.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "configuration_check.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "app_test_support.h"
#include "configuration.h"
#include "drawing_print_settings.h"
#include "messages_window_settings.h"
#include "report_settings.h"

namespace korain {
namespace {

using testing::readFile;
using testing::ScratchFolder;
using testing::writeFile;

// A number key: where it lives, values just inside and just outside its range (a fraction
// for a whole number, a text that is no number for a key of any number) and its default.
struct RangeCase {
  std::string section, key;
  std::vector<std::string> inside, outside;
  std::string defaultText;
};

const RangeCase kRangeCases[] = {
    {"Paths", "CircleRadius", {"0.001", "1000"}, {"0.0009", "1000.1", "wide"}, "1.5"},
    {"Paths", "MouseTolerance", {"0", "100"}, {"-0.001", "100.01", "-5"}, "3"},
    {"Paths", "ZoomFactor", {"1.01", "100"}, {"1.009", "100.5", "x1.5"}, "1.5"},
    {"Paths", "MakeBackup", {"0", "-1"}, {"yes", "-1.0"}, "-1"},
    {"Screen", "PanelFontSize", {"4", "72"}, {"3", "73", "9.5"}, "9"},
    {"Screen", "AxisFontSize", {"4", "72"}, {"3", "73"}, "9"},
    {"Screen", "Margin", {"0", "400"}, {"-1", "401", "12.5"}, "40"},
    {"Printer", "ReductionFactor", {"0.001", "100"}, {"0", "100.01"}, "0.1"},
    {"Printer", "TextAngle", {"-720", "1e6"}, {"right"}, "0"},
    {"Screen", "PanelWidth", {"0", "2000"}, {"-1", "2001"}, "0"},
    {"Screen", "ScantlingLabels", {"0", "-1"}, {"on"}, "0"},
    {"Screen", "StiffenerSupports", {"0", "-1"}, {"off"}, "-1"},
    {"Screen", "MessagesShown", {"0", "-1"}, {"shown"}, "0"},
    {"Screen", "MessagesSize", {"0", "10000"}, {"-1", "10001", "200.5"}, "0"},
    {"Printer", "LeftMargin", {"0", "10"}, {"-0.1", "10.1"}, "2"},
    {"Printer", "ReportFontSize", {"4", "72"}, {"3.9", "72.5"}, "8"},
    {"Printer", "StartPage", {"1", "9999"}, {"0", "10000", "1.5"}, "1"},
    {"Printer", "Preview", {"0", "-1"}, {"no"}, "0"},
};

class ConfigurationCheck : public ::testing::Test {
 protected:
  // QSettings reads a file again only when its size or time has changed: each text gets
  // its own file.
  std::string iniHolding(const std::string& text) {
    const std::string ini = folder_.file("Tessaly" + std::to_string(++files_) + ".ini");
    writeFile(ini, text);
    return ini;
  }
  std::vector<std::string> check(const std::string& ini) const {
    return checkConfiguration(ini, folder_.path());
  }

  ScratchFolder folder_;
  int files_ = 0;
};

// A value inside stays as it is; one outside is named once, and its default takes its place.
TEST_F(ConfigurationCheck, EachNumberIsHeldToItsRangeAndARefusedOneIsNamedOnceAndMended) {
  for (const RangeCase& c : kRangeCases) {
    SCOPED_TRACE(c.section + " " + c.key);
    EXPECT_EQ(check(iniHolding("[" + c.section + "]\n")), std::vector<std::string>{});
    for (const std::string& value : c.inside) {
      const std::string line = c.key + "=" + value + "\n";
      const std::string ini = iniHolding("[" + c.section + "]\n" + line);
      EXPECT_EQ(check(ini), std::vector<std::string>{}) << value;
      EXPECT_NE(readFile(ini).find(line), std::string::npos) << value;
    }
    for (const std::string& value : c.outside) {
      const std::string ini = iniHolding("[" + c.section + "]\n" + c.key + "=" + value + "\n");
      const std::vector<std::string> remarks = check(ini);
      ASSERT_EQ(remarks.size(), 1U) << value;
      EXPECT_NE(remarks[0].find("[" + c.section + "] " + c.key + ": \"" + value + "\" is not a"),
                std::string::npos)
          << remarks[0];
      EXPECT_TRUE(remarks[0].ends_with("; the default " + c.defaultText + " is used"));
      EXPECT_NE(readFile(ini).find(c.key + "=" + c.defaultText + "\n"), std::string::npos);
      EXPECT_EQ(check(ini), std::vector<std::string>{}) << value;  // named once
    }
  }
}

TEST_F(ConfigurationCheck, TheRemarkSaysTheRangeAndTheOtherKeysStayAsTheyWere) {
  const std::string ini = iniHolding(
      "[Screen]\nPanelFontSize=-3\nNodeFontSize=11\nFontName=DejaVu Sans\nPanelWidth=99999\n"
      "[Paths]\nMouseTolerance=-5\nZoomFactor=2.5\n[Printer]\nReductionFactor=0\n");
  // The run reads the defaults before the file is mended.
  EXPECT_EQ(readDisplayConfig(ini, OutputDevice::Screen).PanelFontSize, 9);
  EXPECT_EQ(readPathConfig(ini, folder_.path()).MouseTolerance, 3.0F);
  EXPECT_EQ(
      check(ini),
      (std::vector<std::string>{
          R"(Tessaly.ini [Paths] MouseTolerance: "-5" is not a number from 0 to 100; the default 3 is used)",
          R"(Tessaly.ini [Screen] PanelFontSize: "-3" is not a whole number from 4 to 72; the default 9 is used)",
          R"(Tessaly.ini [Printer] ReductionFactor: "0" is not a number from 0.001 to 100; the default 0.1 is used)",
          R"(Tessaly.ini [Screen] PanelWidth: "99999" is not a whole number from 0 to 2000; the default 0 is used)"}));
  const DisplayConfig display = readDisplayConfig(ini, OutputDevice::Screen);
  EXPECT_EQ(display.NodeFontSize, 11);
  EXPECT_EQ(display.FontName, "DejaVu Sans");
  EXPECT_EQ(readPathConfig(ini, folder_.path()).ZoomFactor, 2.5F);
}

TEST_F(ConfigurationCheck, TheScantlingFlagLeavesThePlaceholderNameAnEarlierReleaseWrote) {
  for (const auto& [text, shown] :
       {std::pair{"[Screen]\nRes%20%23449=-1\n", true},
        std::pair{"[Screen]\nScantlingLabels=0\nRes%20%23449=-1\n", false}}) {
    const std::string ini = iniHolding(text);
    EXPECT_EQ(check(ini), std::vector<std::string>{});
    EXPECT_EQ(readScantlingLabels(ini), shown) << text;
    EXPECT_EQ(readFile(ini).find("Res"), std::string::npos) << readFile(ini);
  }
}

// Unlike the other flags the supports on the stiffeners panel are on until left off.
TEST_F(ConfigurationCheck, TheStiffenerSupportsAreOnUntilLeftOff) {
  const std::string ini = iniHolding("");
  EXPECT_TRUE(readStiffenerSupports(ini));
  ASSERT_TRUE(writeStiffenerSupports(ini, false).ok());
  EXPECT_FALSE(readStiffenerSupports(ini));
}

TEST_F(ConfigurationCheck, APanelWidthBeyondItsRangeIsWrittenAsItsBound) {
  const std::string ini = iniHolding("");
  ASSERT_TRUE(writePanelWidth(ini, 5000).ok());
  EXPECT_EQ(readPanelWidth(ini), 2000);
  EXPECT_EQ(check(ini), std::vector<std::string>{});
}

// Every key is one of the string table's names, which every program of the family finds:
// a number missing from the table would be written under its placeholder "Res #...".
TEST_F(ConfigurationCheck, EveryRecordIsWrittenUnderTheStringTablesNames) {
  const std::string ini = iniHolding("");
  PathConfig paths = readPathConfig(ini, folder_.path());
  paths.LastDatabase = paths.DatabasePath = folder_.file("ship.ko2");
  const DisplayConfig display = defaultDisplayConfig();
  IdentificationConfig identification;
  identification.Company = "Yard";
  ReportSettings report;
  report.setup.UserName = "jdoe";
  for (const ConfigWriteResult& written :
       {writePathConfig(ini, paths), writeDisplayConfig(ini, OutputDevice::Screen, display),
        writeDisplayConfig(ini, OutputDevice::Printer, display), writePanelWidth(ini, 320),
        writeScantlingLabels(ini, true), writeStiffenerSupports(ini, false),
        writeMessagesWindowPlace(ini, {.shown = true}), writeColours(ini, ColourConfig{}),
        writeIdentificationConfig(ini, identification), writeReportSettings(ini, report),
        writeDrawingPrintSettings(ini, {})}) {
    ASSERT_TRUE(written.ok()) << written.error;
  }
  const std::string text = readFile(ini);
  std::istringstream file(text);
  int keys = 0;
  for (std::string line; std::getline(file, line);) {
    EXPECT_TRUE(std::regex_match(line, std::regex(R"(\[[A-Za-z]+\]|[A-Za-z0-9]+=.*|)"))) << line;
    keys += line.find('=') != std::string::npos ? 1 : 0;
  }
  // Every key the records hold, each written once: 10 of the paths, 11 for each device, the
  // panel width, the scantling and the supports flags, 3 of the messages window, 2 colours, 11
  // identification values, 3 title lines and 12 of the two print dialogs (their user and
  // organisation are identification values).
  EXPECT_EQ(keys, 10 + 2 * 11 + 3 + 3 + 2 + 11 + 3 + 12);
  EXPECT_EQ(text.find("Res"), std::string::npos) << text;
  EXPECT_EQ(check(ini), std::vector<std::string>{});
}

}  // namespace
}  // namespace korain
