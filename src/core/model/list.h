// A 1-based list with the operations the arrangement model is edited through.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace korain {

// Lists of the arrangement are indexed from 1. A list that never received an
// element counts as empty ("undimensioned"). Every access goes through a checked
// index: a wrong index is a programming error and throws, it never reads memory
// it does not own.
template <typename T>
class List {
 public:
  List() = default;

  int count() const { return static_cast<int>(items_.size()); }
  bool isDimensioned() const { return !items_.empty(); }
  bool inBounds(int i) const { return i >= 1 && i <= count(); }

  T& at(int i) { return items_[checked(i)]; }
  const T& at(int i) const { return items_[checked(i)]; }
  T& first() { return at(1); }
  const T& first() const { return at(1); }
  T& last() { return at(count()); }
  const T& last() const { return at(count()); }

  // Appends one element and returns it.
  T& append(T item) { return items_.emplace_back(std::move(item)); }
  // Appends a cleared element, made in its place, and returns it.
  T& append() { return items_.emplace_back(); }

  // Grows the list to n elements, keeping the contents; never shrinks.
  void growTo(int n) {
    if (n > count()) items_.resize(static_cast<std::size_t>(n));
  }

  // Makes the list n elements long, keeping the first ones; new ones are cleared.
  void resize(int n) { items_.resize(static_cast<std::size_t>(n < 0 ? 0 : n)); }

  // Dimensions the list afresh to n cleared elements (0 leaves it undimensioned).
  void redim(int n) {
    items_.clear();
    growTo(n);
  }

  // Inserts a blank element at i (1..count+1); later elements move up.
  bool insertBlank(int i) {
    if (i < 1 || i > count() + 1) return false;
    items_.insert(items_.begin() + (i - 1), T{});
    return true;
  }

  // Removes element i; later elements move down.
  bool remove(int i) {
    if (!inBounds(i)) return false;
    items_.erase(items_.begin() + (i - 1));
    return true;
  }

  void clear() { items_.clear(); }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  bool operator==(const List&) const = default;

 private:
  // The test is inline, as every access of the model makes it; the throw is not.
  std::size_t checked(int i) const {
    if (!inBounds(i)) [[unlikely]]
      outOfRange(i);
    return static_cast<std::size_t>(i - 1);
  }

  [[noreturn, gnu::noinline]] void outOfRange(int i) const {
    throw std::out_of_range("list index " + std::to_string(i) + " outside 1.." +
                            std::to_string(count()));
  }

  std::vector<T> items_;
};

}  // namespace korain

namespace korain {

// A list of fixed length N, indexed 1..N (the two brackets of a stiffener, the
// two compartments of a bulkhead, the value tables of a compartment).
template <typename T, int N>
class FixedList {  // NOLINT(bugprone-reserved-identifier): the compiler's names in ==
 public:
  static constexpr int count() { return N; }
  static constexpr bool inBounds(int i) { return i >= 1 && i <= N; }

  T& at(int i) { return items_[checked(i)]; }
  const T& at(int i) const { return items_[checked(i)]; }

  auto begin() { return std::begin(items_); }
  auto end() { return std::end(items_); }
  auto begin() const { return std::begin(items_); }
  auto end() const { return std::end(items_); }

  bool operator==(const FixedList&) const = default;

 private:
  static std::size_t checked(int i) {
    if (!inBounds(i)) [[unlikely]]
      outOfRange(i);
    return static_cast<std::size_t>(i - 1);
  }

  [[noreturn, gnu::noinline]] static void outOfRange(int i) {
    throw std::out_of_range("index " + std::to_string(i) + " outside 1.." + std::to_string(N));
  }

  T items_[static_cast<std::size_t>(N)]{};
};

}  // namespace korain
