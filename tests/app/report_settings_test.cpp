// The print dialog's settings kept in "Tessaly.ini" between prints.
#include "report_settings.h"

#include <gtest/gtest.h>

#include <tuple>

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

// What the file keeps of the settings; the values are exact in its single precision.
auto kept(const ReportSettings& s) {
  const PageSetup& p = s.setup;
  return std::tie(p.LeftMargin, p.FootMargin, p.BottomMargin, p.FontName, p.FontSize,
                  p.SymbolFontName, p.FirstPage, p.UserName, p.Organisation, s.items, s.printer);
}

TEST(ReportSettings, AreReadBackAsWritten) {
  ScratchFolder folder;
  ReportSettings settings;
  settings.setup.LeftMargin = 2.5;
  settings.setup.FootMargin = 0.75;
  settings.setup.BottomMargin = 1.875;
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
  EXPECT_EQ(kept(read), kept(settings));
}

}  // namespace
}  // namespace korain
