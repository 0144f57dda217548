// Reads the values of one data line into the fields of a record, reporting what it cannot read.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/field_reader.h"

#include "text/number_format.h"

namespace korain {

std::string FieldReader::valueText(int i) const {
  const std::optional<double> read = values_.value(i);
  return read ? generalNumberText(*read) : "(none)";
}

void FieldReader::report(std::string text) {
  messages_.push_back({std::string(fileName_), lineNumber_, std::move(text)});
}

void FieldReader::reportValue(int i, std::string_view what) {
  report("value " + std::to_string(i) + " " + std::string(what) + "; the field keeps its value");
}

}  // namespace korain
