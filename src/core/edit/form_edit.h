// The one edit of every form: a value taken by a form row stored in its
// field, of every record the form edits, then the record's own rules kept.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <limits>
#include <string>
#include <variant>

#include "edit/edit_outcome.h"
#include "model/arrangement.h"
#include "view/form_table.h"

namespace korain {

// Whether the row's field of the record takes the value: one of the field's
// kind (a tick, a number, a text), a number within the row's range (a whole
// number for a whole-number field) and a text within the field's length.
template <typename Record>
bool takesValue(const FormRow<Record>& row, const Record& record, const FormValue& value) {
  return std::visit(
      [&](const auto* f) {
        using T = typename std::remove_pointer_t<decltype(f)>::Type;
        if constexpr (std::is_same_v<T, bool>) {
          return std::holds_alternative<bool>(value);
        } else if constexpr (std::is_same_v<T, std::string>) {
          const auto* text = std::get_if<std::string>(&value);
          return text != nullptr && (f->most == 0 || std::ssize(*text) <= f->most);
        } else {
          const auto* number = std::get_if<double>(&value);
          if (number == nullptr || !std::isfinite(*number)) return false;
          if (std::is_integral_v<T> && std::trunc(*number) != *number) return false;
          return rangeFor(row, record).holds(*number) &&
                 *number >= static_cast<double>(std::numeric_limits<T>::lowest()) &&
                 *number <= static_cast<double>(std::numeric_limits<T>::max());
        }
      },
      row.field);
}

// Stores a value the row takes into the record's field.
template <typename Record>
void storeValue(const FormRow<Record>& row, Record& record, const FormValue& value) {
  std::visit(
      [&](const auto* f) {
        using T = typename std::remove_pointer_t<decltype(f)>::Type;
        if constexpr (std::is_same_v<T, bool>) {
          f->of(record) = std::get<bool>(value) != row.inverted;
        } else if constexpr (std::is_same_v<T, std::string>) {
          f->of(record) = std::get<T>(value);
        } else {
          f->of(record) = static_cast<T>(std::get<double>(value));
        }
      },
      row.field);
}

// Sets the row's field of every record the form edits to the value, and
// keeps each record's rules. A value that a record's field does not take
// changes nothing at all; the outcome says which field refused it.
template <typename Record>
EditOutcome setFormField(Arrangement& arrangement, const FormTable<Record>& table,
                         const FormRow<Record>& row, const FormValue& value, FormPlace place = {}) {
  const std::vector<Record*> records = table.edited(arrangement, place);
  for (const Record* record : records) {
    if (!takesValue(row, *record, value)) {
      return {
          .messages = {Message{.text = "The value given for " + std::string(fieldKey(row.field)) +
                                       " is not one it takes: nothing was changed"}}};
    }
  }
  for (Record* record : records) {
    storeValue(row, *record, value);
    if (table.settle != nullptr) table.settle(*record);
  }
  if (table.settleAround != nullptr) table.settleAround(arrangement, place);
  return {};
}

}  // namespace korain
