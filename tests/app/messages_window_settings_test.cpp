// Where the messages window stands, kept in "Tessaly.ini" between runs; a
// value typed by hand out of its range reads as its default.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages_window_settings.h"

#include <gtest/gtest.h>

#include "app_test_support.h"

namespace korain {
namespace {

using testing::ScratchFolder;

TEST(MessagesWindowPlace, IsReadBackAsWrittenOnEverySide) {
  ScratchFolder folder;
  EXPECT_EQ(readMessagesWindowPlace(folder.ini()), MessagesWindowPlace{});
  for (const DockSide side :
       {DockSide::Bottom, DockSide::Top, DockSide::Left, DockSide::Right, DockSide::Floating}) {
    const MessagesWindowPlace place{.shown = side != DockSide::Top, .side = side, .size = 240};
    ASSERT_TRUE(writeMessagesWindowPlace(folder.ini(), place).ok());
    EXPECT_EQ(readMessagesWindowPlace(folder.ini()), place) << static_cast<int>(side);
  }
}

TEST(MessagesWindowPlace, AValueOutOfItsRangeReadsAsItsDefault) {
  const std::pair<const char*, MessagesWindowPlace> cases[] = {
      {"MessagesShown=7\nMessagesSide=Left\nMessagesSize=10000\n",
       {.shown = true, .side = DockSide::Left, .size = 10000}},
      {"MessagesShown=yes\nMessagesSide=left\nMessagesSize=-1\n", {}},
  };
  for (const auto& [keys, read] : cases) {
    ScratchFolder folder;
    testing::writeFile(folder.ini(), std::string("[Screen]\n") + keys);
    EXPECT_EQ(readMessagesWindowPlace(folder.ini()), read) << keys;
  }
}

}  // namespace
}  // namespace korain
