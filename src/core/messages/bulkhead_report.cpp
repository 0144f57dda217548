// Adding a bulkhead's warnings and errors, each naming the bulkhead and its object.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages/bulkhead_report.h"

namespace korain {

void BulkheadReport::warn(MessageSubject subject, std::string_view templ,
                          std::initializer_list<MessageArg> args) {
  add(Severity::Warning, subject, templ, args);
}

void BulkheadReport::error(MessageSubject subject, std::string_view templ,
                           std::initializer_list<MessageArg> args) {
  add(Severity::Error, subject, templ, args);
}

void BulkheadReport::add(Severity severity, MessageSubject subject, std::string_view templ,
                         std::initializer_list<MessageArg> args) {
  messages_.push_back({.severity = severity,
                       .bulkhead = bulkhead_,
                       .kind = subject.kind,
                       .index = subject.index,
                       .subIndex = subject.subIndex,
                       .text = formatMessage(templ, args)});
}

}  // namespace korain
