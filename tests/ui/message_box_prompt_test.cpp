// The file dialog's filters: each stands for the extension a typed name gets.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/message_box_prompt.h"

#include <gtest/gtest.h>

namespace korain::testing {
namespace {

TEST(FilterSuffix, IsTheFirstPatternsExtension) {
  const struct {
    const char* filter;
    const char* suffix;
  } cases[] = {{"PNG picture (*.png)", "png"},
               {"DXF drawing in metres (*.dxf)", "dxf"},
               {"Ship database (*.ko2 *.kor)", "ko2"},
               {"All files (*.*)", ""},
               {"All files (*)", ""}};
  for (const auto& c : cases) EXPECT_EQ(filterSuffix(c.filter), c.suffix) << c.filter;
}

}  // namespace
}  // namespace korain::testing
