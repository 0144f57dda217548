// The 1-based lists of the model: counting, growing, inserting, removing, checked access.
#include "model/list.h"

#include <gtest/gtest.h>

#include "model/arrangement.h"

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
  EXPECT_THROW(list.at(0), std::out_of_range);
  EXPECT_THROW(list.at(4), std::out_of_range);
  EXPECT_THROW(list.at(-1), std::out_of_range);
  FixedList<Single, 20> table;
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
  EXPECT_FALSE(list.insertBlank(0));
  EXPECT_FALSE(list.insertBlank(7));
  EXPECT_TRUE(list.remove(1));
  EXPECT_EQ(contents(list), (std::vector<int>{0, 2, 3, 0}));
  EXPECT_FALSE(list.remove(5));
  EXPECT_FALSE(list.remove(0));
  for (int i = 4; i >= 1; --i) EXPECT_TRUE(list.remove(i));
  EXPECT_FALSE(list.isDimensioned());
}

TEST(Arrangement, ACopyIsIndependentOfItsOriginal) {
  Arrangement original;
  Bulkhead& b = original.Bulkheads.append();
  b.Nodes.append().Y = 1.0F;
  b.Stiffeners.append().Spans.append().Mat = 2;
  b.Compartments.at(2).Points.append().H = 3.0F;

  Arrangement copy = original;
  copy.Bulkheads.at(1).Nodes.at(1).Y = 9.0F;
  copy.Bulkheads.at(1).Stiffeners.at(1).Spans.at(1).Mat = 9;
  copy.Bulkheads.at(1).Compartments.at(2).Points.at(1).H = 9.0F;

  EXPECT_EQ(original.Bulkheads.at(1).Nodes.at(1).Y, 1.0F);
  EXPECT_EQ(original.Bulkheads.at(1).Stiffeners.at(1).Spans.at(1).Mat, 2);
  EXPECT_EQ(original.Bulkheads.at(1).Compartments.at(2).Points.at(1).H, 3.0F);
  EXPECT_NE(copy, original);
}

}  // namespace
}  // namespace korain
