// Version texts, file-name and caption texts, dates and identifiers.
#include "text/text_utils.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace korain {
namespace {

TEST(TextUtils, VersionTextsOfANumberAndOfTheProgram) {
  EXPECT_EQ(versionText(0.0), "Unknown ver.");
  EXPECT_EQ(versionText(2.002), "2.002");
  EXPECT_EQ(versionText(0.443f), "0.443");
  EXPECT_EQ(versionText(5.0), "5.0");
  const struct {
    int revision;
    bool debug;
    const char* text;
  } cases[] = {{99, false, "1.2"},        {100, false, "1.2a"},  {900, false, "1.2i"},
               {1000, false, "1.2l"},     {1399, false, "1.2o"}, {1400, false, "1.2"},
               {2042, false, "1.242 t"},  {2100, false, "1.2"},  {0, false, "1.2 (r0)"},
               {150, true, "1.2a (r150)"}};
  for (const auto& [revision, debug, text] : cases) {
    const ProgramVersion version{1, 2, revision};
    EXPECT_EQ(debug ? debugVersionText(version) : versionText(version), text) << revision;
  }
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
