// The print dialog's settings kept in "Tessaly.ini" between prints.
#include "report_settings.h"

#include <gtest/gtest.h>

#include "app_test_support.h"

namespace korain {
namespace {

using testing::ScratchFolder;
using testing::writeFile;

// A choice of items that is not ours reads as every item, as a missing file does.
TEST(ReportSettings, AMissingFileGivesThePageSetUpDefaultsAndEveryItem) {
  ScratchFolder folder;
  const ReportSettings read = readReportSettings(folder.ini());
  EXPECT_DOUBLE_EQ(read.setup.FootMargin, PageSetup{}.FootMargin);
  EXPECT_EQ(read.setup.FirstPage, 1);
  for (const bool item : read.items) EXPECT_TRUE(item);
  EXPECT_EQ(read.printer, "");
  writeFile(folder.ini(), "[Printer]\nReportItems=01x\n");
  for (const bool item : readReportSettings(folder.ini()).items) EXPECT_TRUE(item);
}

TEST(ReportSettings, AreReadBackAsWritten) {
  ScratchFolder folder;
  ReportSettings settings;
  settings.setup.LeftMargin = 2.5;
  settings.setup.FootMargin = 0.7;
  settings.setup.BottomMargin = 1.8;
  settings.setup.FontName = "DejaVu Sans";
  settings.setup.FontSize = 9.5;
  settings.setup.SymbolFontName = "DejaVu Serif";
  settings.setup.FirstPage = 12;
  settings.setup.UserName = "A. Engineer";
  settings.setup.Organisation = "Yard & Co";
  settings.items = {false, true, false, true, false, false, false, false, true, false};
  settings.printer = "PDF file";
  ASSERT_TRUE(writeReportSettings(folder.ini(), settings).ok());
  const ReportSettings read = readReportSettings(folder.ini());
  EXPECT_DOUBLE_EQ(read.setup.LeftMargin, 2.5);
  EXPECT_NEAR(read.setup.FootMargin, 0.7, 1e-6);
  EXPECT_NEAR(read.setup.BottomMargin, 1.8, 1e-6);
  EXPECT_EQ(read.setup.FontName, "DejaVu Sans");
  EXPECT_DOUBLE_EQ(read.setup.FontSize, 9.5);
  EXPECT_EQ(read.setup.SymbolFontName, "DejaVu Serif");
  EXPECT_EQ(read.setup.FirstPage, 12);
  EXPECT_EQ(read.setup.UserName, "A. Engineer");
  EXPECT_EQ(read.setup.Organisation, "Yard & Co");
  EXPECT_EQ(read.items, settings.items);
  EXPECT_EQ(read.printer, "PDF file");
}

}  // namespace
}  // namespace korain
