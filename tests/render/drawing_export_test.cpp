// The drawing written to files: each format by its extension, in any case,
// and refusals that leave nothing behind.
#include "render/drawing_export.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <optional>
#include <vector>

#include "io/text_file.h"
#include "io/zel_reader.h"
#include "render_test_support.h"
#include "section/nearest_section.h"
#include "ship/ship_data_reader.h"

namespace korain::testing {
namespace {

// Block 1 of the example, computed, with the section behind it.
class DrawingExport : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string path = KORAIN_EXAMPLES "/bulk_carrier.ko2";
    ASSERT_TRUE(readZelBlock(path, 1, arrangement_).found());
    readShipData(path, ship_);
    GeometryState state;
    MessageList messages;
    computeGeometry(arrangement_, state, messages, 1);
    std::string error;
    const std::optional<std::string> bytes = readFileBytes(path, error);
    ASSERT_TRUE(bytes) << error;
    section_ = nearestSection(*bytes, path, arrangement_.X);
    ASSERT_TRUE(section_);
    ASSERT_TRUE(dir_.isValid());
  }

  bool write(const QString& path, QSize size, std::string& error) const {
    return exportDrawing({path.toStdString(), size, {}, 0},
                         {arrangement_, &*section_, ship_, options_, labels_}, error);
  }

  Arrangement arrangement_;
  ShipData ship_;
  std::optional<Section> section_;
  DisplayOptions options_;
  DisplayConfig labels_ = defaultDisplayConfig();
  QTemporaryDir dir_;
};

TEST_F(DrawingExport, EachFormatWritesItsOwnKindOfFile) {
  struct Case {
    const char* name;
    std::vector<QByteArray> starts;  // any of them
  };
  for (const Case& c : {Case{"drawing.bmp", {"BM"}}, Case{"drawing.PNG", {"\x89PNG\r\n"}},
                        Case{"drawing.svg", {"<?xml", "<svg"}}, Case{"drawing.pdf", {"%PDF-"}}}) {
    const QString path = dir_.filePath(c.name);
    std::string error;
    ASSERT_TRUE(write(path, {320, 200}, error)) << c.name << ": " << error;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name;
    EXPECT_GT(file.size(), 100) << c.name;
    const QByteArray start = file.read(16);
    EXPECT_TRUE(std::any_of(c.starts.begin(), c.starts.end(),
                            [&](const QByteArray& s) { return start.startsWith(s); }))
        << c.name << ": " << start.toHex().constData();
  }
}

TEST_F(DrawingExport, RefusedRequestsLeaveNoFile) {
  struct Case {
    const char* name;
    QSize size;
  };
  for (const Case& c :
       {Case{"drawing.gif", {320, 200}}, Case{"drawing.png", {0, 200}},
        Case{"missing/drawing.bmp", {320, 200}}, Case{"missing/drawing.png", {320, 200}},
        Case{"missing/drawing.svg", {320, 200}}, Case{"missing/drawing.pdf", {320, 200}}}) {
    std::string error;
    EXPECT_FALSE(write(dir_.filePath(c.name), c.size, error)) << c.name;
    EXPECT_FALSE(error.empty()) << c.name;
  }
  // Not even the temporary file of a save is left in the folder.
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList());
}

}  // namespace
}  // namespace korain::testing
