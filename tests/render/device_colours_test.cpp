// Colours on devices of few colours: only the system's own colours are replaced.
#include "render/device_colours.h"

#include <gtest/gtest.h>

#include <QImage>

namespace korain::testing {
namespace {

TEST(DeviceColours, FewColoursReplaceOnlyTheSystemColours) {
  QPalette system;
  system.setColor(QPalette::Button, QColor(212, 208, 200));
  system.setColor(QPalette::Window, QColor(236, 233, 216));
  const QColor navy(24, 39, 66);
  struct Case {
    QColor colour;
    long colours;
    QColor shown;
  };
  for (const Case& c : {Case{QColor(212, 208, 200), 256, QColor(192, 192, 192)},
                        Case{QColor(236, 233, 216), 16, QColor(Qt::white)}, Case{navy, 256, navy},
                        Case{QColor(212, 208, 200), 257, QColor(212, 208, 200)}}) {
    EXPECT_EQ(colourForDevice(c.colour, c.colours, system), c.shown)
        << c.colour.name().toStdString();
  }
}

TEST(DeviceColours, CountFollowsTheDepth) {
  EXPECT_EQ(deviceColourCount(QImage(4, 4, QImage::Format_Indexed8)), 256);
  EXPECT_EQ(deviceColourCount(QImage(4, 4, QImage::Format_Mono)), 2);
  EXPECT_GT(deviceColourCount(QImage(4, 4, QImage::Format_RGB32)), 256);
}

}  // namespace
}  // namespace korain::testing
