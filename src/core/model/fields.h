// The pieces of a record's field table: what the file formats need to know of
// each stored field, so that each of them works from one description.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <limits>
#include <span>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "model/arrangement.h"

namespace korain {

// Where a field stands in the ZEL block: on which line of its record (1 for a
// record of one line) and at which value of that line (1-based). A text, at
// value 0, is the text of its line before its first TAB; a fixed list of numbers takes
// the values from its own on; a list has its item count there, its items
// after it. Line 0: the block does not hold the field.
struct ZelColumn {
  int line = 0;
  int value = 0;
  // Written with the coordinate number format instead of the free numeric form.
  bool formatted = false;
  // The first block version that holds the value; an older block leaves the field cleared.
  Single since = 0;
  // A value of the alternate-loading mode, which not every kind of block gives.
  bool alternate = false;
  // A list: whether its items follow its count on the line, and what an item
  // is called in messages.
  bool itemsFollow = false;
  std::string_view item{};
  // The column's title in the comment line above the block's lines: the JSON
  // key unless one is given. A column under the title of the one before it has none.
  std::string_view title{};
  bool ownTitle = true;

  constexpr ZelColumn coordinate() const {
    ZelColumn c = *this;
    c.formatted = true;
    return c;
  }
  constexpr ZelColumn from(Single version) const {
    ZelColumn c = *this;
    c.since = version;
    return c;
  }
  constexpr ZelColumn alternateLoading() const {
    ZelColumn c = *this;
    c.alternate = true;
    return c;
  }
  constexpr ZelColumn countOf(std::string_view itemName, bool follow) const {
    ZelColumn c = *this;
    c.item = itemName;
    c.itemsFollow = follow;
    return c;
  }
  constexpr ZelColumn titled(std::string_view columnTitle) const {
    ZelColumn c = *this;
    c.title = columnTitle;
    return c;
  }
  constexpr ZelColumn underTitleBefore() const {
    ZelColumn c = *this;
    c.ownTitle = false;
    return c;
  }
};

// Value `value` of line `line` of the record.
constexpr ZelColumn zel(int value, int line = 1) { return {.line = line, .value = value}; }

// Lists whose items the file addresses by an Integer index.
inline constexpr int kMostAddressedItems = std::numeric_limits<Integer>::max();

// A field that the file keeps only when its record meets a condition: it is
// written only then, and reads back cleared otherwise.
// The condition is a flag of the record, or a test of it.
template <typename Record>
struct Condition {
  bool Record::*flag = nullptr;
  bool (*test)(const Record&) = nullptr;
  // What a reader of hand-made data says of a field given anyway.
  std::string_view otherwise{};

  constexpr bool holds(const Record& record) const { return flag ? record.*flag : test(record); }
};

enum class FieldRole {
  Value,
  Place,    // the item's place in its list (1-based): written, never read back
  FromOne,  // a number the file keeps from 1 on
};

template <typename Record, typename T>
struct Field {
  using Type = T;

  std::string_view name;  // the JSON key
  T Record::*member;
  ZelColumn zel{};
  // A list: the most items the file keeps; a text: the most characters (0: no limit).
  int most = 0;
  FieldRole role = FieldRole::Value;
  const Condition<Record>* keptWhen = nullptr;
  // A code: the values it may take (empty: any of its type).
  std::span<const Long> codes{};

  // What the field means, for the schema's readers.
  std::string_view description{};

  constexpr Field described(std::string_view text) const {
    Field f = *this;
    f.description = text;
    return f;
  }
  constexpr Field oneOf(std::span<const Long> allowed) const {
    Field f = *this;
    f.codes = allowed;
    return f;
  }

  const T& of(const Record& record) const { return record.*member; }
  T& of(Record& record) const { return record.*member; }
  bool kept(const Record& record) const { return keptWhen == nullptr || keptWhen->holds(record); }
};

template <typename Record, typename T>
constexpr Field<Record, T> field(std::string_view name, T Record::*member, ZelColumn column = {}) {
  return {.name = name, .member = member, .zel = column};
}

template <typename Record, typename T>
constexpr Field<Record, List<T>> list(std::string_view name, List<T> Record::*member,
                                      int most = kMostAddressedItems, ZelColumn column = {}) {
  return {.name = name, .member = member, .zel = column, .most = most};
}

// The table of a record: `stored`, a tuple of its stored fields in the order
// the JSON gives them, and `unstored`, the pointers to its selection and
// computed members, which no file holds; `keptWhen`, where there is one, the
// condition under which the file keeps the record at all. Each record's table
// is a specialisation (record_fields.h).
template <typename Record>
struct Fields;

template <typename Record, typename Visit>
constexpr void forEachField(Visit&& visit) {
  std::apply([&](const auto&... f) { (visit(f), ...); }, Fields<Record>::stored);
}

// The stored field of a record found by its JSON key, given to visit; false when there is none.
template <typename Record, typename Visit>
bool visitFieldNamed(std::string_view name, Visit&& visit) {
  bool found = false;
  forEachField<Record>([&](const auto& f) {
    if (!found && f.name == name) {
      found = true;
      visit(f);
    }
  });
  return found;
}

// Sets the fields that number a list's item by its place in the list.
template <typename Record>
void numberByPlace(Record& item, int place) {
  forEachField<Record>([&](const auto& f) {
    using T = typename std::decay_t<decltype(f)>::Type;
    if constexpr (std::is_arithmetic_v<T>) {
      if (f.role == FieldRole::Place) f.of(item) = static_cast<T>(place);
    }
  });
}

// Whether the flag is a field of the record that the block gives a column.
template <typename Record>
constexpr bool hasColumn(bool Record::*flag) {
  bool found = false;
  forEachField<Record>([&](const auto& f) {
    if constexpr (std::is_same_v<std::decay_t<decltype(f.member)>, bool Record::*>) {
      found = found || (f.member == flag && f.zel.line > 0);
    }
  });
  return found;
}

namespace fields_detail {

template <typename Item, typename T>
struct HoldsItems : std::is_same<T, Item> {};
template <typename Item>
struct HoldsItems<Item, List<Item>> : std::true_type {};
template <typename Item, int N>
struct HoldsItems<Item, FixedList<Item, N>> : std::true_type {};

// The place in the record's table of its one field that holds items of that type.
template <typename Item, typename Record>
constexpr std::size_t kHolder = [] {
  std::size_t found = 0;
  std::size_t count = 0;
  std::size_t i = 0;
  forEachField<Record>([&](const auto& f) {
    if (HoldsItems<Item, typename std::decay_t<decltype(f)>::Type>::value) {
      found = i;
      ++count;
    }
    ++i;
  });
  return count == 1 ? found : std::size_t{0} - 1;
}();

}  // namespace fields_detail

// The stored field of a record that holds its items of a type: a list, a
// fixed list or the one record. Walking an arrangement by the types of its
// records leaves the fields' names to the tables.
template <typename Item, typename Record>
auto& itemsOf(Record& record) {
  using Plain = std::remove_const_t<Record>;
  return std::get<fields_detail::kHolder<Item, Plain>>(Fields<Plain>::stored).of(record);
}

// Whether a record type has a field table, so that nested records are told from values.
template <typename T>
concept Described = requires {
  Fields<T>::stored;
};

}  // namespace korain
