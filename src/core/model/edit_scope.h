// Which bulkheads an edit of the arrangement can change. What lies outside it
// keeps its computed geometry, its drawn paths and its undo copies.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace korain {

class EditScope {
 public:
  // The arrangement's own fields only (its name, position, the current bulkhead).
  static constexpr EditScope header() { return {Kind::Header, 0}; }
  // Bulkhead i only; the list keeps its length.
  static constexpr EditScope bulkhead(int i) { return {Kind::One, i}; }
  // A bulkhead added or removed at i: when the list's length changed,
  // bulkhead i and every later one, which moved and whose messages carry their
  // numbers; none when it did not (a removal that was not confirmed).
  static constexpr EditScope resizedAt(int i) { return {Kind::ResizedAt, i}; }
  // Every bulkhead: the symmetry of the section reaches them all.
  static constexpr EditScope all() { return {Kind::All, 1}; }

  // Whether the edit can have changed bulkhead i (numbered after the edit).
  constexpr bool touches(int i, bool lengthChanged) const {
    switch (kind_) {
      case Kind::Header:
        return false;
      case Kind::One:
        return i == first_;
      case Kind::ResizedAt:
        return lengthChanged && i >= first_;
      case Kind::All:
        return true;
    }
    return true;
  }

  constexpr bool operator==(const EditScope&) const = default;

 private:
  enum class Kind { Header, One, ResizedAt, All };
  constexpr EditScope(Kind kind, int first) : kind_(kind), first_(first) {}

  Kind kind_;
  int first_;
};

}  // namespace korain
