// The primary members' order (vertical first, then by position) and the
// current member that follows its member through the sort.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/member_edits.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/codes.h"

namespace korain {
namespace {

using Members = std::vector<std::pair<double, Long>>;  // position, direction

List<PrimaryMember> listOf(const Members& members) {
  List<PrimaryMember> list;
  for (const auto& [position, hv] : members) {
    PrimaryMember& m = list.append();
    m.Position = static_cast<Single>(position);
    m.HV = hv;
  }
  return list;
}

Members membersOf(const List<PrimaryMember>& list) {
  Members members;
  for (const PrimaryMember& m : list) members.emplace_back(m.Position, m.HV);
  return members;
}

constexpr Long H = kHorizontal;
constexpr Long V = kVertical;

TEST(SortMembers, VerticalFirstThenByPositionAndTheCurrentOneFollows) {
  struct Case {
    const char* what;
    Members members;
    Integer current;
    Members sorted;
    Integer currentAfter;
  };
  const Case cases[] = {
      {"mixed", {{3, H}, {1, H}, {5, V}, {2, V}}, 1, {{2, V}, {5, V}, {1, H}, {3, H}}, 4},
      {"turned vertical to the front", {{1, H}, {2, H}, {4, V}}, 3, {{4, V}, {1, H}, {2, H}}, 1},
      {"already in order", {{2, V}, {1, H}, {2, H}}, 2, {{2, V}, {1, H}, {2, H}}, 2},
      {"no current member", {{2, H}, {1, H}}, 0, {{1, H}, {2, H}}, 0},
  };
  for (const Case& c : cases) {
    List<PrimaryMember> list = listOf(c.members);
    Integer current = c.current;
    sortMembers(list, current);
    EXPECT_EQ(membersOf(list), c.sorted) << c.what;
    EXPECT_EQ(current, c.currentAfter) << c.what;
  }
}

TEST(SortMembers, EqualMembersAreOrderedByTheExchangePasses) {
  // Bringing the vertical member forward exchanges it with the first one, which
  // then lies behind its twin: the current member (the first twin) becomes 3.
  List<PrimaryMember> list = listOf({{2, H}, {2, H}, {1, V}});
  list.at(1).Extremities.append(7);  // tells the twins apart
  Integer current = 1;
  sortMembers(list, current);
  EXPECT_EQ(membersOf(list), (Members{{1, V}, {2, H}, {2, H}}));
  EXPECT_EQ(current, 3);
  EXPECT_EQ(list.at(3).Extremities.count(), 1);
}

TEST(MemberEdits, TheFirstMemberLiesAtTheBottomThenOneMetreBeyondTheCurrent) {
  Bulkhead b;
  b.ZLow = 2.5F;
  addMember(b);
  EXPECT_EQ(membersOf(b.PrimaryMembers), (Members{{2.5, H}}));
  EXPECT_EQ(b.CurPrim, 1);
  addMember(b);
  EXPECT_EQ(membersOf(b.PrimaryMembers), (Members{{2.5, H}, {3.5, H}}));
  EXPECT_EQ(b.CurPrim, 2);

  b.PrimaryMembers = listOf({{4, V}, {2, H}});
  b.CurPrim = 1;
  addMember(b);
  EXPECT_EQ(membersOf(b.PrimaryMembers), (Members{{4, V}, {5, V}, {2, H}}));
  EXPECT_EQ(b.CurPrim, 2);

  // An index left beyond the list designates no member.
  b.CurPrim = 9;
  addMember(b);
  EXPECT_EQ(membersOf(b.PrimaryMembers), (Members{{4, V}, {5, V}, {2, H}, {2.5, H}}));
  EXPECT_EQ(b.CurPrim, 4);
}

}  // namespace
}  // namespace korain
