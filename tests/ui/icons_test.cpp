// The editor's pictures, the splash form and the about box.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDialog>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "main/about_box.h"
#include "main/fm_load.h"
#include "main/toolbar_icons.h"
#include "model/versions.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

bool hasOpaquePixels(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) == 255) return true;
    }
  }
  return false;
}

TEST(Icons, EveryPictureDrawsAtToolbarSizesAndTheZoomCursorPointsIntoItsLens) {
  toolbarIcon(QStringLiteral("zoom"));  // the first use registers the resources
  const QStringList files = QDir(QStringLiteral(":/icons")).entryList(QDir::Files);
  ASSERT_FALSE(files.isEmpty());
  for (const QString& file : files) {
    const QIcon icon = toolbarIcon(QFileInfo(file).baseName());
    for (const int side : {16, 24}) {
      EXPECT_TRUE(hasOpaquePixels(icon.pixmap(side).toImage())) << file.toStdString() << side;
    }
  }
  EXPECT_TRUE(toolbarIcon(QStringLiteral("no_such_picture")).isNull());
  const QCursor cursor = zoomCursor();
  ASSERT_TRUE(cursor.pixmap().rect().contains(cursor.hotSpot()));
  EXPECT_GT(qAlpha(cursor.pixmap().toImage().pixel(cursor.hotSpot())), 0);
}

TEST(SplashForm, WarnsExactlyForExperimentalBuilds) {
  for (const auto& [revision, warns] : {std::pair{1999, false}, std::pair{2000, true}}) {
    FM_Load form(QStringLiteral("Korain JBP"), nullptr, {1, 0, revision});
    form.show();
    for (const char* name : {"LB_Warning1", "LB_Warning2"}) {
      const auto* warning = form.findChild<QLabel*>(name);
      EXPECT_EQ(warning != nullptr && warning->isVisible(), warns) << name << revision;
    }
  }
}

TEST(AboutBox, ShowsTheTitleAndTheRevisionInDebugModeOnlyAndCloses) {
  const std::unique_ptr<QDialog> debug(makeAboutBox(nullptr, QStringLiteral("Korain"), true));
  EXPECT_TRUE(control<QLabel>(*debug, "LB_Version")->text().contains(", revision "));
  const std::unique_ptr<QDialog> box(makeAboutBox(nullptr, QStringLiteral("Korain MIL"), false));
  EXPECT_EQ(control<QLabel>(*box, "LB_Title")->text(), "Korain MIL");
  EXPECT_EQ(control<QLabel>(*box, "LB_Version")->text(),
            "Version " + QString::fromUtf8(kReleaseVersion));
  box->show();
  QTest::mouseClick(control<QPushButton>(*box, "BT_Close"), Qt::LeftButton);
  EXPECT_EQ(box->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace korain::testing
