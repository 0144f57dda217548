// The 1-based lists of the model: counting, growing, inserting, removing, checked access.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/list.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

List<int> listOf(std::initializer_list<int> values) {
  List<int> list;
  for (const int v : values) list.append(v);
  return list;
}

std::vector<int> contents(const List<int>& list) { return {list.begin(), list.end()}; }

TEST(List, IndicesRunFromOneToCountAndNoFurther) {
  const List<int> empty;
  EXPECT_FALSE(empty.isDimensioned());
  EXPECT_EQ(empty.count(), 0);
  EXPECT_FALSE(empty.inBounds(1));
  EXPECT_THROW(empty.at(1), std::out_of_range);
  const List<int> list = listOf({10, 20, 30});
  EXPECT_EQ(list.at(1), 10);
  EXPECT_EQ(list.at(3), 30);
  for (const int outside : {0, 4, -1}) EXPECT_THROW(list.at(outside), std::out_of_range);
  FixedList<float, 20> table;
  table.at(20) = 2.5F;
  EXPECT_EQ(table.at(20), 2.5F);
  EXPECT_THROW(table.at(21), std::out_of_range);
  EXPECT_THROW(table.at(0), std::out_of_range);
}

TEST(List, GrowingKeepsTheContentsAndNeverShrinks) {
  List<int> list = listOf({1, 2});
  list.growTo(4);
  EXPECT_EQ(contents(list), (std::vector<int>{1, 2, 0, 0}));
  list.growTo(1);
  EXPECT_EQ(list.count(), 4);
  list.redim(2);
  EXPECT_EQ(contents(list), (std::vector<int>{0, 0}));
}

TEST(List, InsertingAndRemovingMoveLaterElementsAndRefuseBadIndices) {
  List<int> list = listOf({1, 2, 3});
  EXPECT_TRUE(list.insertBlank(2));
  EXPECT_TRUE(list.insertBlank(5));
  EXPECT_EQ(contents(list), (std::vector<int>{1, 0, 2, 3, 0}));
  EXPECT_FALSE(list.insertBlank(0) || list.insertBlank(7));
  EXPECT_TRUE(list.remove(1));
  EXPECT_EQ(contents(list), (std::vector<int>{0, 2, 3, 0}));
  EXPECT_FALSE(list.remove(5) || list.remove(0));
  for (int i = 4; i >= 1; --i) EXPECT_TRUE(list.remove(i));
  EXPECT_FALSE(list.isDimensioned());
}

}  // namespace
}  // namespace korain
