// Colours on devices of few colours: only the system's own colours are replaced.
#include "device_colours.h"

#include <gtest/gtest.h>

#include <QImage>

namespace korain::testing {
namespace {

TEST(DeviceColours, FewColoursReplaceOnlyTheSystemColoursAndTheCountFollowsTheDepth) {
  QPalette system;
  const QColor button(212, 208, 200);
  const QColor window(236, 233, 216);
  const QColor navy(24, 39, 66);
  system.setColor(QPalette::Button, button);
  system.setColor(QPalette::Window, window);
  const struct {
    QColor colour;
    long colours;
    QColor shown;
  } cases[] = {{button, 256, QColor(192, 192, 192)},
               {window, 16, QColor(Qt::white)},
               {navy, 256, navy},
               {button, 257, button}};
  for (const auto& c : cases) {
    EXPECT_EQ(colourForDevice(c.colour, c.colours, system), c.shown)
        << c.colour.name().toStdString() << " in " << c.colours;
  }
  EXPECT_EQ(deviceColourCount(QImage(4, 4, QImage::Format_Indexed8)), 256);
  EXPECT_EQ(deviceColourCount(QImage(4, 4, QImage::Format_Mono)), 2);
  EXPECT_GT(deviceColourCount(QImage(4, 4, QImage::Format_RGB32)), 256);
}

}  // namespace
}  // namespace korain::testing
