// Reads the values of one data line into the fields of a record, reporting what it cannot read.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "io/file_message.h"
#include "model/arrangement.h"
#include "text/line_values.h"

namespace korain {

class FieldReader {
 public:
  FieldReader(std::string_view fileName, FileMessages& messages)
      : fileName_(fileName), messages_(messages) {}

  // Takes the values of a line; lineNumber places the messages about them.
  // An ended line is followed by its line end or a NUL (LineValues::parseEnded).
  void parse(std::string_view line, int lineNumber, bool ended = false) {
    if (ended) {
      values_.parseEnded(line);
    } else {
      values_.parse(line);
    }
    lineNumber_ = lineNumber;
  }

  int count() const { return values_.count(); }
  std::optional<double> value(int i) const { return values_.value(i); }

  // Value i into a field. A missing value leaves the field alone; so does a value
  // that is not a number or does not fit the field's type, with a message. Any
  // non-zero number sets a flag.
  template <typename Field>
  void take(int i, Field& field) {
    if (i > values_.count()) return;
    const std::optional<double> read = values_.value(i);
    if (!read) {
      reportValue(i, "is not a number");
      return;
    }
    if constexpr (std::is_same_v<Field, bool>) {
      field = *read != 0;
    } else {
      const std::optional<Field> converted = convert<Field>(*read);
      if (!converted) {
        reportValue(i, "is out of range");
        return;
      }
      field = *converted;
    }
  }

  // Value i as a 1-based index into a list, or nothing when it is not a whole Integer.
  std::optional<int> index(int i) const {
    const std::optional<double> read = values_.value(i);
    if (!read) return std::nullopt;
    const std::optional<Integer> whole = toInteger(*read);
    if (!whole) return std::nullopt;
    return *whole;
  }

  // Value i as a message shows it.
  std::string valueText(int i) const;

  // A message about the current line.
  void report(std::string text);

 private:
  template <typename Field>
  static std::optional<Field> convert(double value) {
    if constexpr (std::is_same_v<Field, Integer>) return toInteger(value);
    if constexpr (std::is_same_v<Field, Long>) return toLong(value);
    if constexpr (std::is_same_v<Field, Single>) return toSingle(value);
  }

  void reportValue(int i, std::string_view what);

  std::string_view fileName_;
  FileMessages& messages_;
  LineValues values_;
  int lineNumber_ = 0;
};

}  // namespace korain
