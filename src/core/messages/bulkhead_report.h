// What the computation of one bulkhead reports: every message names that
// bulkhead and the object it is about.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "messages/message.h"
#include "text/format_message.h"

namespace korain {

// The object of a bulkhead a message is about (see `Message`).
struct MessageSubject {
  PanelCode kind = PanelCode::Bulkhead;
  int index = 0;
  int subIndex = 0;
};

class BulkheadReport {
 public:
  explicit BulkheadReport(int bulkhead) : bulkhead_(bulkhead) {}

  // Adds the message built from a template (placeholders as formatMessage has them).
  void warn(MessageSubject subject, std::string_view templ,
            std::initializer_list<MessageArg> args = {});
  void error(MessageSubject subject, std::string_view templ,
             std::initializer_list<MessageArg> args = {});

  const std::vector<Message>& messages() const { return messages_; }
  std::vector<Message> take() { return std::move(messages_); }

 private:
  void add(Severity severity, MessageSubject subject, std::string_view templ,
           std::initializer_list<MessageArg> args);

  int bulkhead_;
  std::vector<Message> messages_;
};

}  // namespace korain
