// The message list under the main window: newest last, bounded so that a long
// computation cannot flood it. (One line per message: the gathered messages' test.)
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages/message_list.h"

#include <gtest/gtest.h>

#include <string>

namespace korain {
namespace {

TEST(MessageList, KeepsTheLatestFortyAndSelectsTheNewest) {
  MessageList list;
  EXPECT_EQ(list.selectedIndex(), -1);
  for (int i = 1; i <= 41; ++i) list.add("Message ¤", {i});
  ASSERT_EQ(list.size(), 40U);
  EXPECT_EQ(list.messages().front().text, "Message 2");  // the first one went
  EXPECT_EQ(list.messages().back().text, "Message 41");
  EXPECT_EQ(list.selectedIndex(), 39);
}

TEST(MessageList, NumberZeroClears) {
  MessageList list;
  list.add("Bulkhead ¤ is not closed", {1});
  list.add("Bulkhead ¤ is not closed", {2});
  list.add(Long{0});
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.selectedIndex(), -1);
}

}  // namespace
}  // namespace korain
