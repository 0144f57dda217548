// Every member of a stored record is in its field table, as stored or as unstored, once.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/record_fields.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <utility>

namespace korain::testing {
namespace {

// Converts to anything: a record initialised from n of them has at least n members.
struct AnyValue {
  template <typename T>
  operator T() const;  // NOLINT(google-explicit-constructor): only ever unevaluated
};

template <typename Record, std::size_t... I>
constexpr bool initialisableFrom(std::index_sequence<I...> /*unused*/) {
  return requires { Record{(static_cast<void>(I), AnyValue{})...}; };
}

// The number of members of an aggregate: the most initialisers it takes (a
// member that is itself a record takes one, being convertible from AnyValue).
template <typename Record, std::size_t N = 0>
constexpr std::size_t memberCount() {
  if constexpr (initialisableFrom<Record>(std::make_index_sequence<N + 1>{})) {
    return memberCount<Record, N + 1>();
  } else {
    return N;
  }
}

struct Row {
  std::string record;
  std::size_t members;
  std::size_t listed;
  std::size_t distinctMembers;
  std::size_t distinctNames;
  std::size_t stored;
};

template <typename Record>
Row rowOf(const char* record) {
  const Record r{};
  const auto offset = [&r](auto member) {
    return reinterpret_cast<std::uintptr_t>(&(r.*member)) - reinterpret_cast<std::uintptr_t>(&r);
  };
  std::set<std::uintptr_t> places;
  std::set<std::string_view> names;
  forEachField<Record>([&](const auto& f) {
    places.insert(offset(f.member));
    names.insert(f.name);
  });
  std::apply([&](auto... member) { (places.insert(offset(member)), ...); },
             Fields<Record>::unstored);
  constexpr std::size_t stored = std::tuple_size_v<decltype(Fields<Record>::stored)>;
  return {record,
          memberCount<Record>(),
          stored + std::tuple_size_v<decltype(Fields<Record>::unstored)>,
          places.size(),
          names.size(),
          stored};
}

// A member added to a record without a line in its table fails here.
TEST(RecordFields, EveryMemberIsListedOnceAndEveryKeyIsItsOwn) {
  const Row rows[] = {rowOf<Arrangement>("Arrangement"),
                      rowOf<Bulkhead>("Bulkhead"),
                      rowOf<Node>("Node"),
                      rowOf<PrimaryMember>("PrimaryMember"),
                      rowOf<OrdinaryStiffener>("OrdinaryStiffener"),
                      rowOf<Scantling>("Scantling"),
                      rowOf<Bracket>("Bracket"),
                      rowOf<StiffenerSpan>("StiffenerSpan"),
                      rowOf<StrakeBand>("StrakeBand"),
                      rowOf<Strake>("Strake"),
                      rowOf<Corrugation>("Corrugation"),
                      rowOf<Compartment>("Compartment"),
                      rowOf<FillingPoint>("FillingPoint")};
  for (const Row& row : rows) {
    EXPECT_EQ(row.listed, row.members) << row.record << ": members and table lines differ";
    EXPECT_EQ(row.distinctMembers, row.listed) << row.record << ": a member listed twice";
    EXPECT_EQ(row.distinctNames, row.stored) << row.record << ": a JSON key given twice";
  }
}

}  // namespace
}  // namespace korain::testing
