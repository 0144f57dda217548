// The fields of a record on one line of the ZEL block, read and written in the
// order of their columns, as the record's field table places them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "io/block_text_writer.h"
#include "io/field_reader.h"
#include "model/record_fields.h"
#include "text/utf8.h"

namespace korain {

namespace zel_columns {

template <typename Record>
constexpr std::size_t kFieldCount =
    std::tuple_size_v<std::decay_t<decltype(Fields<Record>::stored)>>;

template <typename Record>
constexpr std::size_t kColumnCount = [] {
  std::size_t n = 0;
  forEachField<Record>([&](const auto& f) { n += f.zel.line > 0 ? 1 : 0; });
  return n;
}();

// The places in the table of the fields the block holds, by line, then value.
template <typename Record>
constexpr std::array<std::size_t, kColumnCount<Record>> kOrder = [] {
  struct Place {
    int line;
    int value;
    std::size_t index;
  };
  std::array<Place, kColumnCount<Record>> places{};
  std::size_t n = 0;
  std::size_t i = 0;
  forEachField<Record>([&](const auto& f) {
    if (f.zel.line > 0) places[n++] = {f.zel.line, f.zel.value, i};
    ++i;
  });
  std::sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
    return a.line != b.line ? a.line < b.line : a.value < b.value;
  });
  std::array<std::size_t, kColumnCount<Record>> order{};
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = places[k].index;
  return order;
}();

// How many values an item takes on its line: its last column.
template <typename Record>
constexpr int kItemWidth = [] {
  int width = 0;
  forEachField<Record>([&](const auto& f) { width = std::max(width, f.zel.value); });
  return width;
}();

template <typename T>
concept Counted = requires(T& list) {
  list.redim(0);
};

template <typename Record, typename Flag>
bool flagAllows(const Field<Record, Flag>& f, const Record& r) {
  return f.keptWhen == nullptr || f.keptWhen->flag == nullptr || r.*(f.keptWhen->flag);
}

}  // namespace zel_columns

// Visits the fields of a record that the block holds, in the order of their columns.
template <typename Record, typename Visit>
void forEachColumn(Visit&& visit) {
  [&]<std::size_t... I>(std::index_sequence<I...> /*unused*/) {
    (visit(std::get<zel_columns::kOrder<Record>[I]>(Fields<Record>::stored)), ...);
  }
  (std::make_index_sequence<zel_columns::kColumnCount<Record>>{});
}

// What the block at hand holds: its version, and whether it carries the
// values of the alternate-loading mode.
struct ZelContents {
  Single version = kZelVersion;
  bool alternateLoading = true;

  bool holds(const ZelColumn& column) const {
    return column.since <= version && (alternateLoading || !column.alternate);
  }
};

template <typename Record, typename Item>
void takeCount(FieldReader& fields, const Field<Record, List<Item>>& f, List<Item>& items, int at,
               const ZelContents& contents);

// The text field on a line of a record: the value given. The line's part
// decides what its text is.
template <typename Record>
void takeText(Record& r, int line, std::string_view text) {
  forEachField<Record>([&](const auto& f) {
    if constexpr (std::is_same_v<typename std::decay_t<decltype(f)>::Type, std::string>) {
      if (f.zel.line == line) f.of(r) = std::string(text);
    }
  });
}

// Whether any field of the line is in a block of these contents.
template <typename Record>
bool lineIn(int line, const ZelContents& contents) {
  bool held = false;
  forEachField<Record>(
      [&](const auto& f) { held = held || (f.zel.line == line && contents.holds(f.zel)); });
  return held;
}

// Whether the file keeps every value of the record's line.
template <typename Record>
bool keptOnLine(const Record& r, int line) {
  bool kept = true;
  forEachField<Record>([&](const auto& f) { kept = kept && (f.zel.line != line || f.kept(r)); });
  return kept;
}

// Takes the values of a record's line, already parsed into fields; the
// record's value 1 is value `first` of the line. A field kept only under a
// flag is taken only when the flag is set; a line of such fields whose flag
// has no column sets it: the line itself says it. The number of items of a
// list dimensions it (items that follow their count are taken too); a count
// beyond what the file keeps leaves the list alone, with a message. Texts are
// the part's own (takeText).
template <typename Record>
void takeLine(FieldReader& fields, Record& r, int line, const ZelContents& contents = {},
              int first = 1) {
  forEachColumn<Record>([&](const auto& f) {
    using T = typename std::decay_t<decltype(f)>::Type;
    if (f.zel.line != line || !contents.holds(f.zel)) return;
    const int at = first - 1 + f.zel.value;
    if (f.keptWhen && f.keptWhen->flag && !hasColumn<Record>(f.keptWhen->flag)) {
      r.*(f.keptWhen->flag) = true;
    }
    if (!zel_columns::flagAllows(f, r)) return;
    if constexpr (std::is_arithmetic_v<T>) {
      if (f.role == FieldRole::Place) return;
      fields.take(at, f.of(r));
      if (f.role == FieldRole::FromOne && f.of(r) < 1) f.of(r) = 1;
    } else if constexpr (Described<T>) {
      takeLine(fields, f.of(r), 1, contents, at);
    } else if constexpr (zel_columns::Counted<T>) {
      takeCount(fields, f, f.of(r), at, contents);
    } else if constexpr (!std::is_same_v<T, std::string>) {
      for (int i = 1; i <= T::count(); ++i) fields.take(at + i - 1, f.of(r).at(i));
    }
  });
}

template <typename Record, typename Item>
void takeCount(FieldReader& fields, const Field<Record, List<Item>>& f, List<Item>& items, int at,
               const ZelContents& contents) {
  Long count = 0;
  fields.take(at, count);
  if (count > f.most) {
    fields.report("the " + std::string(f.zel.item) + " count " + std::to_string(count) +
                  " exceeds the " + std::to_string(f.most) + " the file keeps; none is read");
    return;
  }
  if (count < 1) return;
  items.redim(count);
  if (!f.zel.itemsFollow) return;
  for (int p = 1; p <= count; ++p) {
    takeLine(fields, items.at(p), 1, contents, at + 1 + (p - 1) * zel_columns::kItemWidth<Item>);
  }
}

// Appends the titles of a record's columns on a line, from value first to
// last, in column order; a nested record gives the titles of its own columns.
template <typename Record>
void appendColumnTitles(std::vector<std::string_view>& titles, int line, int first = 0,
                        int last = 1 << 20) {
  forEachColumn<Record>([&](const auto& f) {
    using T = typename std::decay_t<decltype(f)>::Type;
    if (f.zel.line != line || f.zel.value < first || f.zel.value > last) return;
    if constexpr (Described<T>) {
      appendColumnTitles<T>(titles, 1);
    } else if (f.zel.ownTitle) {
      titles.push_back(f.zel.title.empty() ? f.name : f.zel.title);
    }
  });
}

// How the values of a line are separated: by a TAB between them, before each, or after each.
enum class Tabs { Between, Before, After };

// Writes the values of a record's line whose columns lie from first to last,
// in column order: numbers in the free numeric form or, where the column says,
// the coordinate format; flags as 0 or -1; a text of a width the file keeps
// padded or cut to it; a list as its count, followed by its items where they
// follow it. A value the file keeps only under a condition that fails is left out.
class ColumnWriter {
 public:
  ColumnWriter(BlockTextWriter& w, Tabs tabs) : w_(w), tabs_(tabs) {}

  template <typename Record>
  ColumnWriter& write(const Record& r, int line, int first = 0, int last = 1 << 20) {
    forEachColumn<Record>([&](const auto& f) {
      if (f.zel.line != line || f.zel.value < first || f.zel.value > last) return;
      if (!f.kept(r)) {
        complete_ = false;
        return;
      }
      value(f, f.of(r));
    });
    return *this;
  }

  // False when a value was left out by its condition.
  bool complete() const { return complete_; }

 private:
  void separate() {
    if (tabs_ == Tabs::Before || (tabs_ == Tabs::Between && !first_)) w_.tab();
    first_ = false;
  }
  void close() {
    if (tabs_ == Tabs::After) w_.tab();
  }

  template <typename F>
  void value(const F& f, Single v) {
    separate();
    if (f.zel.formatted) {
      w_.coordinate(v);
    } else {
      w_.number(v);
    }
    close();
  }
  template <typename F>
  void value(const F& /*f*/, Long v) {
    separate();
    w_.number(v);
    close();
  }
  template <typename F>
  void value(const F& /*f*/, Integer v) {
    separate();
    w_.number(Long{v});
    close();
  }
  template <typename F>
  void value(const F& /*f*/, bool v) {
    separate();
    w_.flag(v);
    close();
  }
  template <typename F>
  void value(const F& f, const std::string& v) {
    separate();
    w_.text(singleLine(f.most > 0 ? paddedToWidth(v, static_cast<std::size_t>(f.most)) : v));
    close();
  }
  template <typename F, Described Record>
  void value(const F& /*f*/, const Record& r) {
    write(r, 1);
  }
  template <typename F, int N>
  void value(const F& f, const FixedList<Single, N>& values) {
    for (const Single v : values) value(f, v);
  }
  template <typename F, typename Item>
  void value(const F& f, const List<Item>& items) {
    value(f, Long{items.count()});
    if (!f.zel.itemsFollow) return;
    for (const Item& item : items) write(item, 1);
  }

  BlockTextWriter& w_;
  Tabs tabs_;
  bool first_ = true;
  bool complete_ = true;
};

}  // namespace korain
