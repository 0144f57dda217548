// Values of the configuration file: lenient parsing, odd values, and where the file lives.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ini_file.h"

#include <gtest/gtest.h>

#include <limits>

#include "app_test_support.h"

namespace korain {
namespace {

using testing::ScratchFolder;
using testing::writeFile;

TEST(IniValues, IntegersNumbersAndColours) {
  const std::pair<const char*, std::optional<int>> integers[] = {
      {"-1", -1},        {" 40 ", 40}, {"+12", 12}, {"", {}},
      {"12abc", {}},     {"12.5", {}}, {"+-1", {}}, {"2147483647", 2147483647},
      {"2147483648", {}}};
  for (const auto& [text, expected] : integers) EXPECT_EQ(parseIniInteger(text), expected) << text;

  const std::pair<const char*, std::optional<Single>> numbers[] = {
      {"1.5", 1.5F}, {" 0.1 ", 0.1F}, {"+2.25", 2.25F}, {"-.5", -0.5F}, {"1e-05", 1e-5F},
      {"1,5", {}},   {"1.5mm", {}},   {"inf", {}},      {"nan", {}},    {"1e39", {}}};
  for (const auto& [text, expected] : numbers) EXPECT_EQ(parseIniNumber(text), expected) << text;
  for (const Single value : {0.1F, -0.3F, 2.002F, std::numeric_limits<Single>::max(),
                             std::numeric_limits<Single>::denorm_min()}) {
    EXPECT_EQ(parseIniNumber(iniNumberText(value)), value) << iniNumberText(value);
  }

  const std::pair<const char*, std::optional<std::uint32_t>> colours[] = {
      {"&h1", 1U},         {"&H", 0U},    {"&HFF00&", 0xFF00U},        {" &H00C0C0C0 ", 0xC0C0C0U},
      {"0x10", 0x10U},     {"ff", 0xFFU}, {"&HFFFFFFFF", 0xFFFFFFFFU}, {"junk", {}},
      {"&H100000000", {}}, {"&H1G", {}}};
  for (const auto& [text, expected] : colours) EXPECT_EQ(parseHexValue(text), expected) << text;
  EXPECT_EQ(parseHexValue(hexValueText(0xFFFFFFFFU)), 0xFFFFFFFFU);
}

TEST(IniFile, OddValuesReadBackUnchanged) {
  ScratchFolder folder;
  const std::string odd[] = {"Smith, Jones", "C:\\Ships\\", "@at the start", "\"quoted\"",
                             "semi;colon",   "Größe  ×  2", " padded ",      ""};
  {
    IniFile ini(folder.ini());
    Long key = 419;
    for (const std::string& value : odd) ini.setText(308, key++, value);
    ASSERT_TRUE(ini.save().ok());
  }
  const IniFile ini(folder.ini());
  Long key = 419;
  for (const std::string& value : odd) EXPECT_EQ(ini.find(308, key++), value);
  EXPECT_EQ(ini.find(308, 430), std::nullopt);
}

TEST(IniFile, OtherProgramsCommasAndLongValues) {
  ScratchFolder folder;
  writeFile(folder.ini(), "[Identification]\nUser=Smith, Jones\nSite=" + std::string(1000, 'x') +
                              "\nProject=" + std::string(398, 'x') + "é\n");
  const IniFile ini(folder.ini());
  EXPECT_EQ(ini.find(308, 424), "Smith, Jones");  // QSettings splits it at the comma
  EXPECT_EQ(ini.find(308, 425), std::string(399, 'x'));
  EXPECT_EQ(ini.find(308, 421), std::string(398, 'x') + "é");  // characters, not bytes
}

TEST(IniFile, UnwritableFileGivesAnError) {
  ScratchFolder folder;
  writeFile(folder.file("plain"), "not a folder");
  IniFile ini(folder.file("plain") + "/Tessaly.ini");
  ini.setText(300, 401, "x");
  EXPECT_TRUE(ini.save().error.find("Tessaly.ini") != std::string::npos);
}

TEST(IniFile, LocationFollowsTheEnvironment) {
  const QByteArray saved = qgetenv("KORAIN_CONFIG_DIR");
  qputenv("KORAIN_CONFIG_DIR", "/tmp/korain config/");
  EXPECT_EQ(configurationFilePath(), "/tmp/korain config/Tessaly.ini");
  qunsetenv("KORAIN_CONFIG_DIR");
  const std::string standard = configurationFilePath();
  EXPECT_TRUE(standard.starts_with('/') && standard.ends_with("/Tessaly.ini")) << standard;
  if (!saved.isNull()) qputenv("KORAIN_CONFIG_DIR", saved);
}

}  // namespace
}  // namespace korain
