// The preferences stored into the run and "Tessaly.ini", and refused for a
// data folder that does not exist.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app_test_support.h"

namespace korain {
namespace {

using testing::ScratchFolder;

TEST(Preferences, AreRefusedForAMissingDataFolderAndNothingIsStored) {
  ScratchFolder folder;
  Session session;
  const PathConfig before = session.run().paths;
  Preferences preferences = currentPreferences(session, folder.ini());
  preferences.DataPath = "  " + folder.file("gone") + "/  ";
  preferences.ZoomFactor = 3;
  const PreferencesResult result = storePreferences(session, folder.ini(), preferences);
  EXPECT_FALSE(result.stored);
  EXPECT_EQ(result.message, "The directory\r" + folder.file("gone") + "\rdoes not exist");
  EXPECT_EQ(session.run().paths, before);
  EXPECT_FALSE(std::filesystem::exists(folder.ini()));
}

TEST(Preferences, AreStoredIntoTheRunAndReadBackAfterARestart) {
  ScratchFolder folder;
  ScratchFolder program;
  Session session;
  Preferences preferences = currentPreferences(session, folder.ini());
  // Both devices start from the file's defaults.
  EXPECT_EQ(preferences.screen, readDisplayConfig(folder.ini(), OutputDevice::Screen));
  preferences.DataPath = folder.path() + "//./";
  preferences.CircleRadius = 2.25F;
  preferences.MouseTolerance = 6;
  preferences.ZoomFactor = 2;
  preferences.MakeBackup = false;
  preferences.SteelDensity = 2.7F;
  preferences.ThicknessDeduction = 1.5F;
  preferences.screen.FontName = "DejaVu Serif";
  preferences.screen.NodeFontSize = 14;
  preferences.printer.Margin = 12;
  preferences.printer.ReductionFactor = 0.5F;
  const PreferencesResult result = storePreferences(session, folder.ini(), preferences);
  ASSERT_TRUE(result.stored);
  EXPECT_EQ(result.message, "");

  preferences.DataPath = folder.path();
  EXPECT_EQ(currentPreferences(session, folder.ini()), preferences);
  EXPECT_EQ(session.screen(), preferences.screen);
  Session restarted;
  restarted.setPaths(readPathConfig(folder.ini(), program.path()));
  EXPECT_EQ(currentPreferences(restarted, folder.ini()), preferences);
}

}  // namespace
}  // namespace korain
