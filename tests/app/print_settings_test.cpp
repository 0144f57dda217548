// The print dialogs' settings kept in "Tessaly.ini" between prints: the data
// report's page set-up, items and printer, and the drawing's title block, scale,
// preview and printer.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "app_test_support.h"
#include "drawing_print_settings.h"
#include "report_settings.h"

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
  for (const char* foreign : {"01x", "011", "011111111111"}) {
    writeFile(folder.ini(), std::string("[Printer]\nReportItems=") + foreign + "\n");
    for (const bool item : readReportSettings(folder.ini()).items) EXPECT_TRUE(item) << foreign;
  }
}

// A choice kept before the weights and section properties were an item keeps
// its items, and leaves the new one out.
TEST(ReportSettings, AChoiceOfTheEarlierItemsReadsWithoutTheNewOne) {
  ScratchFolder folder;
  writeFile(folder.ini(), "[Printer]\nReportItems=0100000011\n");
  std::array<bool, kReportItems> expected{};
  expected[1] = expected[8] = expected[9] = true;
  EXPECT_EQ(readReportSettings(folder.ini()).items, expected);
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
  settings.items = {false, true, false, true, false, false, false, false, true, false, true};
  settings.printer = "PDF file";
  ASSERT_TRUE(writeReportSettings(folder.ini(), settings).ok());
  const ReportSettings read = readReportSettings(folder.ini());
  EXPECT_EQ(kept(read), kept(settings));
}

TEST(DrawingPrintSettings, AreKeptUnderTheFamilysNamesBesideTheReportsPrinter) {
  ScratchFolder folder;
  writeFile(folder.ini(), "[Printer]\nPrinterName=Office\nPreview=7\n");
  EXPECT_TRUE(readDrawingPrintSettings(folder.ini()).preview);  // any number but 0 is yes
  const DrawingPrintSettings settings{.titleLines = {"Bulk carrier 82", "", "Drawing 7 = rev. B"},
                                      .normalisedScale = true,
                                      .preview = false,
                                      .printer = "PDF file"};
  ASSERT_TRUE(writeDrawingPrintSettings(folder.ini(), settings).ok());
  const DrawingPrintSettings read = readDrawingPrintSettings(folder.ini());
  EXPECT_EQ(read.titleLines, settings.titleLines);
  EXPECT_TRUE(read.normalisedScale);
  EXPECT_FALSE(read.preview);
  EXPECT_EQ(read.printer, "PDF file");
  const std::string text = testing::readFile(folder.ini());
  EXPECT_NE(text.find("[TitleBlockLines]\nLine1=Bulk carrier 82"), std::string::npos) << text;
  EXPECT_NE(text.find("PrinterName=Office"), std::string::npos) << text;
}

}  // namespace
}  // namespace korain
