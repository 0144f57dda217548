// The drawing print dialog's settings kept in "Tessaly.ini" between prints.
#include "drawing_print_settings.h"

#include <gtest/gtest.h>

#include "app_test_support.h"

namespace korain {
namespace {

using testing::ScratchFolder;
using testing::writeFile;

TEST(DrawingPrintSettings, AMissingFileGivesBlankLinesFittedNoPreviewDefaultPrinter) {
  ScratchFolder folder;
  const DrawingPrintSettings read = readDrawingPrintSettings(folder.ini());
  for (const std::string& line : read.titleLines) EXPECT_EQ(line, "");
  EXPECT_FALSE(read.normalisedScale);
  EXPECT_FALSE(read.preview);
  EXPECT_EQ(read.printer, "");
}

TEST(DrawingPrintSettings, AreReadBackAsWrittenBesideTheReportsSettings) {
  ScratchFolder folder;
  writeFile(folder.ini(), "[Printer]\nPrinterName=Office\nLeftMargin=2.5\n");
  const DrawingPrintSettings settings{.titleLines = {"Bulk carrier 82", "", "Drawing 7 = rev. B"},
                                      .normalisedScale = true,
                                      .preview = true,
                                      .printer = "PDF file"};
  ASSERT_TRUE(writeDrawingPrintSettings(folder.ini(), settings).ok());
  const DrawingPrintSettings read = readDrawingPrintSettings(folder.ini());
  EXPECT_EQ(read.titleLines, settings.titleLines);
  EXPECT_TRUE(read.normalisedScale);
  EXPECT_TRUE(read.preview);
  EXPECT_EQ(read.printer, "PDF file");
  // The report's printer is its own.
  EXPECT_EQ(IniFile(folder.ini()).text(302, 442, {}), "Office");
}

TEST(DrawingPrintSettings, AreReadFromTheFamilysSectionsAndFlags) {
  ScratchFolder folder;
  writeFile(folder.ini(),
            "[TitleBlockLines]\nLine1=Ocean Star\nLine3=Hull 12\n"
            "[Printer]\nNormalizedScale=1\nPreview=no\nDrawingPrinter=Plotter\n");
  const DrawingPrintSettings read = readDrawingPrintSettings(folder.ini());
  EXPECT_EQ(read.titleLines[0], "Ocean Star");
  EXPECT_EQ(read.titleLines[1], "");
  EXPECT_EQ(read.titleLines[2], "Hull 12");
  EXPECT_TRUE(read.normalisedScale);  // any number but 0 is yes
  EXPECT_FALSE(read.preview);         // no number: the default
  EXPECT_EQ(read.printer, "Plotter");
}

}  // namespace
}  // namespace korain
