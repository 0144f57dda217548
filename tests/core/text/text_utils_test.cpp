// Version texts, file-name and caption texts, dates and identifiers.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_utils.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <utility>

namespace korain {
namespace {

TEST(TextUtils, VersionTextsOfANumberAndOfTheProgram) {
  EXPECT_EQ(versionText(0.0), "Unknown ver.");
  EXPECT_EQ(versionText(2.002), "2.002");
  EXPECT_EQ(versionText(0.443f), "0.443");
  EXPECT_EQ(versionText(5.0), "5.0");
  const std::pair<int, const char*> cases[] = {{99, "1.2"},       {100, "1.2a"},  {900, "1.2i"},
                                               {1000, "1.2l"},    {1399, "1.2o"}, {1400, "1.2"},
                                               {2042, "1.242 t"}, {2100, "1.2"},  {0, "1.2 (r0)"}};
  for (const auto& [revision, text] : cases) {
    EXPECT_EQ(versionText(ProgramVersion{1, 2, revision}), text) << revision;
  }
  EXPECT_EQ(debugVersionText({1, 2, 150}), "1.2a (r150)");
}

TEST(TextUtils, FileNameCaptionAndDateTexts) {
  EXPECT_EQ(stripExtension("ship.v2.dbs"), "ship.v2");
  EXPECT_EQ(stripExtension("  ship.dbs \r\n"), "ship");
  EXPECT_EQ(stripExtension(" README "), "README");
  EXPECT_EQ(menuText("Save &As..."), "Save As");
  EXPECT_EQ(menuText("Fish && &Chips"), "Fish & Chips");
  EXPECT_EQ(menuText("&&&Edit"), "&Edit");
  EXPECT_EQ(trimmed(" \t a b\r\n"), "a b");
  EXPECT_EQ(trimmed(" \t\r\n"), "");
  EXPECT_EQ(dateText({2024, 3, 7}), "07/03/2024");
  EXPECT_EQ(shortDateText({2005, 12, 31}), "31/12/05");
}

TEST(TextUtils, GenerateIdGivesNewWellFormedTexts) {
  const std::regex form("\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}");
  std::set<std::string> seen;
  for (int i = 0; i < 20; ++i) {
    const std::string id = generateId();
    EXPECT_TRUE(std::regex_match(id, form)) << id;
    seen.insert(id);
  }
  EXPECT_EQ(seen.size(), 20U);
}

}  // namespace
}  // namespace korain
