// The drawing written to files: each format by its extension, in any case, and refusals that
// leave nothing behind.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing_export.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "example_scene.h"

namespace korain::testing {
namespace {

// Block 1 of the example, written into a scratch folder.
class DrawingExport : public ::testing::Test {
 protected:
  // Whether the drawing was written; the error is kept in error_.
  bool write(const char* name, QSize size = {320, 200}) {
    error_.clear();
    return exportDrawing({dir_.filePath(name).toStdString(), size, {}, 0}, example_.scene(),
                         error_);
  }

  ExampleScene example_{1};
  QTemporaryDir dir_;
  std::string error_;
};

TEST_F(DrawingExport, EachFormatWritesItsOwnKindOfFile) {
  const struct {
    const char* name;
    QByteArray start, otherStart;
  } cases[] = {{"drawing.bmp", "BM", "BM"},
               {"drawing.PNG", "\x89PNG\r\n", "\x89PNG\r\n"},
               {"drawing.svg", "<?xml", "<svg"},
               {"drawing.pdf", "%PDF-", "%PDF-"}};
  for (const auto& c : cases) {
    ASSERT_TRUE(write(c.name)) << c.name << ": " << error_;
    QFile file(dir_.filePath(c.name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name;
    EXPECT_GT(file.size(), 100) << c.name;
    const QByteArray start = file.read(16);
    EXPECT_TRUE(start.startsWith(c.start) || start.startsWith(c.otherStart))
        << c.name << ": " << start.toHex().constData();
  }
}

TEST_F(DrawingExport, RefusedRequestsLeaveNoFile) {
  EXPECT_FALSE(write("drawing.gif"));
  EXPECT_FALSE(error_.empty());
  EXPECT_FALSE(write("drawing.png", {0, 200}));
  EXPECT_FALSE(error_.empty());
  for (const char* name : {"missing/drawing.bmp", "missing/drawing.png", "missing/drawing.svg",
                           "missing/drawing.pdf"}) {
    EXPECT_FALSE(write(name)) << name;
    EXPECT_FALSE(error_.empty()) << name;
  }
  // Not even the temporary file of a save is left in the folder.
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList());
}

}  // namespace
}  // namespace korain::testing
