// The records of "Tessaly.ini": defaults, fall-backs of the folders, round trips, damaged files.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "configuration.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "app_test_support.h"
#include "text/string_table.h"

namespace korain {
namespace {

using testing::readFile;
using testing::ScratchFolder;
using testing::writeFile;

class ConfigurationTest : public ::testing::Test {
 protected:
  // QSettings reads a file again only when its size or time has changed, which
  // a file rewritten within a millisecond may not show: each text gets its own file.
  const std::string& writeIni(const std::string& text) {
    ini_ = config_.file("Tessaly" + std::to_string(++files_) + ".ini");
    writeFile(ini_, text);
    return ini_;
  }
  PathConfig readPaths() const { return readPathConfig(ini_, program_.path()); }
  std::string folder(const std::string& name) const {
    std::filesystem::create_directories(config_.file(name));
    return config_.file(name);
  }

  ScratchFolder program_;  // holds no "Vororu.dat"
  ScratchFolder config_;
  std::string ini_ = config_.ini();
  int files_ = 0;
};

void expectDefaults(const std::string& ini, const std::string& programFolder) {
  PathConfig paths;
  paths.BasePath = programFolder + "/";
  paths.DataPath = paths.SecondPath = programFolder;
  EXPECT_EQ(readPathConfig(ini, programFolder), paths);
  DisplayConfig display;
  display.FontName = korainString(107);
  EXPECT_EQ(readDisplayConfig(ini, OutputDevice::Screen), display);
  EXPECT_EQ(readDisplayConfig(ini, OutputDevice::Printer), display);
  EXPECT_EQ(readColours(ini), (ColourConfig{.BackColour = 1, .LineColour = 0}));
  EXPECT_EQ(readIdentificationConfig(ini), IdentificationConfig{});
  EXPECT_EQ(readDebugFolder(ini), "H:\\Exe\\KoraDev\\");
}

TEST_F(ConfigurationTest, AMissingOrGarbledFileGivesEveryDefaultAndWritingReplacesIt) {
  expectDefaults(config_.ini(), program_.path());
  const std::string nested = config_.file("not/yet/Tessaly.ini");
  expectDefaults(nested, program_.path());
  std::mt19937 random(1234);
  std::string junk;
  for (int i = 0; i < 4000; ++i) junk.push_back(static_cast<char>(random() % 256));
  const std::string broken[] = {
      junk + "\n[Paths]\nCircleRadius=\\\n" + junk,
      std::string("\0\0\0[Paths]\0=\0", 12),
      "[Paths\nDataPath\n=\n[[Screen]]\nMargin==\n\\\n[Colours]\nBackColour=&H\xff\xfe\n",
      "[Paths]\nCircleRadius=wide\nMakeBackup=yes\nMouseTolerance=@Variant(\\0\\0\\0\\x7f)\n"
      "[Screen]\nMargin=12.5\nPanelFontSize=\nReductionFactor=1,5\n"
      "[Colours]\nLineColour=&h123456789\n",
  };
  for (const std::string& bytes : broken) expectDefaults(writeIni(bytes), program_.path());
  // Writing creates the missing folders, and replaces the garbage.
  for (const std::string& ini : {nested, ini_}) {
    PathConfig paths = readPathConfig(ini, program_.path());
    paths.CircleRadius = 2.5F;
    ASSERT_TRUE(writePathConfig(ini, paths).ok()) << ini;
    EXPECT_EQ(readPathConfig(ini, program_.path()).CircleRadius, 2.5F) << ini;
  }
}

TEST_F(ConfigurationTest, AProgramFolderThatCannotBeWrittenLeavesTheDataToTheUsersFolders) {
  // A folder that does not exist cannot be written, even by the superuser.
  const std::string installed = program_.file("usr/bin");
  const std::string data = defaultDataFolder(installed);
  EXPECT_NE(data, installed);
  EXPECT_TRUE(std::filesystem::is_directory(data));
  PathConfig paths = readPathConfig(config_.ini(), installed);
  EXPECT_EQ(paths.BasePath, installed + "/");
  EXPECT_EQ(paths.DataPath, data);
  EXPECT_EQ(paths.SecondPath, data);
  writeIni("[Paths]\nDataPath=" + program_.file("gone") + "\n");
  EXPECT_EQ(readPathConfig(ini_, installed).DataPath, data);
  EXPECT_EQ(defaultDataFolder(program_.path()), program_.path());
}

TEST_F(ConfigurationTest, FoldersFallBackInTableOrder) {
  const std::string family = folder("family") + "/";
  writeFile(family + "Vororu.dat", "");
  const std::string programBase = program_.path() + "/";
  const std::string data = folder("data");
  const std::string gone = config_.file("gone");
  const struct {
    std::string base, data, second;  // empty: key absent
    std::string expectedBase, expectedData, expectedSecond;
  } cases[] = {
      {family, data, family, family, data, family},
      {folder("family"), "", "", family, program_.path(), program_.path()},
      {folder("data"), data, "", programBase, data, data},  // no "Vororu.dat" in it
      {gone, gone, gone, programBase, programBase, programBase},
      {family, gone, data, family, family, data},
      {family, gone, gone, family, family, family},  // SecondPath takes the corrected DataPath
      {family, gone, "", family, family, family},
  };
  for (const auto& c : cases) {
    std::string text = "[Paths]\n";
    if (!c.base.empty()) text += "BasePath=" + c.base + "\n";
    if (!c.data.empty()) text += "DataPath=" + c.data + "\n";
    if (!c.second.empty()) text += "SecondPath=" + c.second + "\n";
    writeIni(text);
    const PathConfig paths = readPaths();
    EXPECT_EQ(paths.BasePath, c.expectedBase) << text;
    EXPECT_EQ(paths.DataPath, c.expectedData) << text;
    EXPECT_EQ(paths.SecondPath, c.expectedSecond) << text;
  }
}

// The run's settings and the printer's labels go round through the preferences, tested there;
// the names every record is written under, in the configuration check's test.
TEST_F(ConfigurationTest, RecordsRoundTripAndALastDatabaseGoneIsForgotten) {
  PathConfig paths = readPaths();
  paths.DataPath = folder("data");
  paths.SecondPath = folder("second");
  paths.ExportPath = folder("export");
  paths.LastDatabase = paths.DatabasePath = config_.file("ship.ko2");
  writeFile(paths.DatabasePath, "x");
  const DisplayConfig screen{11, 8, 7, 6, "DejaVu Sans, Condensed", 0.5F, -1.25F, 2, 15, 90, 0.35F};
  const ColourConfig colours{.BackColour = 0xC0C0C0, .LineColour = 0xFF};
  const IdentificationConfig identification{"Yard, Ltd", "Hull",     "B-1042", "A",
                                            "B",         "jdoe",     "Nantes", "Society",
                                            "ID-7",      "/tmp/out", "L"};
  ASSERT_TRUE(writePathConfig(ini_, paths).ok());
  ASSERT_TRUE(writeDisplayConfig(ini_, OutputDevice::Screen, screen).ok());
  ASSERT_TRUE(writeColours(ini_, colours).ok());
  ASSERT_TRUE(writeIdentificationConfig(ini_, identification).ok());
  EXPECT_EQ(readPaths(), paths);
  EXPECT_EQ(readDisplayConfig(ini_, OutputDevice::Screen), screen);
  EXPECT_EQ(readColours(ini_), colours);
  EXPECT_EQ(readIdentificationConfig(ini_), identification);

  // The family's base folder is not ours to change; the last database is the
  // one being edited, or the one read when none is, and forgotten once gone.
  EXPECT_EQ(readFile(ini_).find("BasePath"), std::string::npos);
  paths.DatabasePath.clear();
  ASSERT_TRUE(writePathConfig(ini_, paths).ok());
  EXPECT_EQ(readPaths().LastDatabase, config_.file("ship.ko2"));
  std::filesystem::remove(config_.file("ship.ko2"));
  EXPECT_EQ(readPaths().LastDatabase, "");
  EXPECT_EQ(readPaths().DatabasePath, "");
}

TEST(ProgramComment, FromIdentificationValues) {
  const std::string unknown = korainString(125);
  const struct {
    std::string user, site, organisation, identification;
    std::string expectedUser, expectedSite, expectedIdentification;
  } cases[] = {{"jdoe", "Nantes", "Society", "ID-7", "jdoe", "Nantes", "Society, ID-7"},
               {"", "", "", "", unknown, unknown, ""},
               {"  ", "yard", "Society", "", unknown, "yard", "Society"},
               {"", "", " ", " ID-7 ", unknown, unknown, "ID-7"}};
  for (const auto& c : cases) {
    IdentificationConfig config;
    config.User = c.user;
    config.Site = c.site;
    config.Organisation = c.organisation;
    config.Identification = c.identification;
    const ZelWriteContext context = zelWriteContext(config);
    EXPECT_EQ(std::tie(context.user, context.site, context.identification),
              std::tie(c.expectedUser, c.expectedSite, c.expectedIdentification));
  }
}

}  // namespace
}  // namespace korain
