// The editor's pictures, the splash form and the about box.
#include <QDialog>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <memory>

#include "main/about_box.h"
#include "main/fm_load.h"
#include "main/toolbar_icons.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

const QStringList kIconNames{"add",        "bulkhead",        "compartments",
                             "corrugated", "curve_arc",       "curve_corrugated",
                             "curve_line", "curve_tan_arc",   "delete",
                             "exit",       "korain",          "next",
                             "no_zoom",    "nodes",           "ordinary_stiffeners",
                             "previous",   "primary_members", "print",
                             "save",       "strakes",         "zoom"};

bool hasOpaquePixels(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) == 255) return true;
    }
  }
  return false;
}

TEST(Icons, EveryPictureDrawsAtToolbarSizes) {
  for (const QString& name : kIconNames) {
    const QIcon icon = toolbarIcon(name);
    ASSERT_FALSE(icon.isNull()) << name.toStdString();
    for (const int side : {16, 24}) {
      const QImage image = icon.pixmap(side).toImage();
      EXPECT_EQ(image.size(), QSize(side, side)) << name.toStdString();
      EXPECT_TRUE(hasOpaquePixels(image)) << name.toStdString() << " at " << side;
    }
  }
}

TEST(Icons, AnUnknownNameGivesNoIcon) {
  EXPECT_TRUE(toolbarIcon(QStringLiteral("no_such_picture")).isNull());
}

TEST(Icons, ZoomCursorPointsIntoItsLens) {
  const QCursor cursor = zoomCursor();
  const QPixmap picture = cursor.pixmap();
  ASSERT_FALSE(picture.isNull());
  ASSERT_TRUE(picture.rect().contains(cursor.hotSpot()));
  // Inside the tinted lens, not on the transparent ground around it.
  EXPECT_GT(qAlpha(picture.toImage().pixel(cursor.hotSpot())), 0);
}

TEST(SplashForm, WarnsExactlyForExperimentalBuilds) {
  struct Row {
    int revision;
    bool warns;
  };
  for (const Row row : {Row{1, false}, Row{1399, false}, Row{1999, false}, Row{2000, true},
                        Row{2099, true}, Row{2500, true}}) {
    const ProgramVersion version{1, 0, row.revision};
    FM_Load form(QStringLiteral("Korain JBP"), nullptr, version);
    form.show();
    SCOPED_TRACE(row.revision);
    EXPECT_EQ(form.objectName(), "FM_Load");
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(control<QLabel>(form, "LB_Title")->text(), "Korain JBP");
    EXPECT_EQ(control<QLabel>(form, "LB_Version")->text().toStdString(), versionText(version));
    EXPECT_EQ(control<QLabel>(form, "LB_32bits")->text(), "32 bits");
    EXPECT_FALSE(control<QLabel>(form, "IM_Kora")->pixmap().isNull());
    for (const auto& [name, text] :
         {std::pair{"LB_Warning1", "WARNING: Experimental version"},
          std::pair{"LB_Warning2", "DO NOT USE FOR OFFICIAL CALCULATIONS"}}) {
      const auto* warning = form.findChild<QLabel*>(name);
      EXPECT_EQ(warning != nullptr && warning->isVisible(), row.warns) << name;
      if (warning) {
        EXPECT_EQ(warning->text(), text);
      }
    }
  }
}

TEST(AboutBox, ShowsTitleVersionAndRulesAndCloses) {
  const std::unique_ptr<QDialog> box(makeAboutBox(nullptr, QStringLiteral("Korain MIL")));
  EXPECT_EQ(box->objectName(), "FM_About");
  EXPECT_EQ(control<QLabel>(*box, "LB_Title")->text(), "Korain MIL");
  EXPECT_TRUE(control<QLabel>(*box, "LB_Version")
                  ->text()
                  .endsWith(QString::fromStdString(versionText(kProgramVersion))));
  EXPECT_EQ(control<QLabel>(*box, "LB_Rules")->text(), "Rules edition: 2026");
  box->show();
  QTest::mouseClick(control<QPushButton>(*box, "BT_Close"), Qt::LeftButton);
  EXPECT_EQ(box->result(), QDialog::Accepted);
  EXPECT_FALSE(box->isVisible());
}

}  // namespace
}  // namespace korain::testing
