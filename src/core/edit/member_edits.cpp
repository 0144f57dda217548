// Adding, removing and moving primary members, kept vertical first and each by position.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/member_edits.h"

#include <utility>
#include <vector>

#include "model/codes.h"

namespace korain {

void sortMembers(List<PrimaryMember>& members, Integer& current) {
  const int n = members.count();
  // The mark travels with its member through the exchanges, so the current
  // member is found again wherever it ends up.
  std::vector<Integer> mark(static_cast<std::size_t>(n + 1), 0);
  if (members.inBounds(current)) mark[static_cast<std::size_t>(current)] = 1;
  const auto exchange = [&](int i, int j) {
    std::swap(members.at(i), members.at(j));
    std::swap(mark[static_cast<std::size_t>(i)], mark[static_cast<std::size_t>(j)]);
  };
  for (int i = 1; i < n; ++i) {
    for (int j = n; j > i; --j) {
      if (members.at(i).HV < members.at(j).HV) exchange(i, j);
    }
  }
  for (int i = 1; i < n; ++i) {
    for (int j = n; j > i; --j) {
      const PrimaryMember& a = members.at(i);
      const PrimaryMember& b = members.at(j);
      if (b.Position < a.Position && a.HV == b.HV) exchange(i, j);
    }
  }
  for (int i = 1; i <= n; ++i) {
    if (mark[static_cast<std::size_t>(i)] == 1) current = static_cast<Integer>(i);
  }
}

void addMember(Bulkhead& bulkhead) {
  List<PrimaryMember>& members = bulkhead.PrimaryMembers;
  const int previous = bulkhead.CurPrim;
  // An index left outside the list designates no member either.
  const bool hasCurrent = members.inBounds(previous);
  const int n = members.count() + 1;
  members.growTo(n);
  PrimaryMember& added = members.at(n);
  if (hasCurrent) {
    added.Position = members.at(previous).Position + 1.0F;
    added.HV = members.at(previous).HV;
  } else {
    added.Position = bulkhead.ZLow;
    added.HV = kHorizontal;
  }
  bulkhead.CurPrim = static_cast<Integer>(n);
  sortMembers(members, bulkhead.CurPrim);
}

EditOutcome removeMember(Bulkhead& bulkhead) {
  if (!bulkhead.PrimaryMembers.remove(bulkhead.CurPrim)) {
    return refusedAt("RemoveElement failed for prim ¤", bulkhead.CurPrim);
  }
  if (bulkhead.CurPrim > bulkhead.PrimaryMembers.count()) bulkhead.CurPrim = 0;
  return {};
}

}  // namespace korain
