// The sample arrangement gives every stored field of every record, found by
// walking the field tables, a value other than its default somewhere, so that
// the file round trips built on it exercise each field the tables describe: a
// field added to a table fails here until the sample fills it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <type_traits>
#include <typeinfo>

#include "model/record_fields.h"
#include "sample_arrangement.h"

namespace korain::testing {
namespace {

template <typename T>
struct IsList : std::false_type {};
template <typename T>
struct IsList<List<T>> : std::true_type {};
template <typename T, int N>
struct IsList<FixedList<T, N>> : std::true_type {};

// The fields of a record type and of every record type it holds, as "Record.key".
class FieldWalk {
 public:
  std::set<std::string> described;
  std::set<std::string> filled;

  template <typename Record>
  void visit(const Record& record) {
    forEachField<Record>([&](const auto& f) { visitField<Record>(f.name, f.of(record)); });
  }

 private:
  template <typename Record, typename T>
  void visitField(std::string_view key, const T& value) {
    const std::string name = std::string(typeid(Record).name()) + "." + std::string(key);
    described.insert(name);
    if constexpr (Described<T>) {
      filled.insert(name);
      visit(value);
    } else if constexpr (IsList<T>::value) {
      for (const auto& item : value) {
        if constexpr (Described<std::decay_t<decltype(item)>>) {
          visit(item);
          filled.insert(name);
        } else if (item != std::decay_t<decltype(item)>{}) {
          filled.insert(name);
        }
      }
    } else if (value != T{}) {
      filled.insert(name);
    }
  }
};

TEST(SampleArrangement, FillsEveryStoredFieldOfEveryRecord) {
  FieldWalk walk;
  walk.visit(sampleArrangement(SampleSize{}));
  std::set<std::string> left;
  for (const std::string& name : walk.described) {
    if (!walk.filled.contains(name)) left.insert(name);
  }
  EXPECT_EQ(left, std::set<std::string>{}) << "stored fields the sample leaves at their default";
  EXPECT_GT(walk.described.size(), 80U);
}

}  // namespace
}  // namespace korain::testing
