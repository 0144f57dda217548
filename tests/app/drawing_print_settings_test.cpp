// The drawing print dialog's settings kept in "Tessaly.ini" between prints.
#include "drawing_print_settings.h"

#include <gtest/gtest.h>

#include "app_test_support.h"

namespace korain {
namespace {

using testing::ScratchFolder;
using testing::writeFile;

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
