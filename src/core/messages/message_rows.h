// The rows of the messages window: every message of the latest computation,
// filtered by severity and ordered as the user chose, each told in columns.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "messages/message.h"

namespace korain {

// Which messages the window lists.
enum class SeverityFilter : std::uint8_t { All, Errors, Warnings };

// In the list's order (bulkhead by bulkhead, then what was told after the
// computation), or the errors first and then the others, each group in the
// list's order.
enum class MessageOrder : std::uint8_t { ListOrder, ErrorsFirst };

struct MessageRow {
  // The message's place among those the rows were made of.
  std::size_t message = 0;
  std::string severity;
  // The bulkhead's number; empty for a message about none.
  std::string bulkhead;
  // The kind of object and its number.
  std::string object;
  std::string text;

  bool operator==(const MessageRow&) const = default;
};

std::vector<MessageRow> messageRows(const std::vector<Message>& messages, SeverityFilter filter,
                                    MessageOrder order);

// "Error", "Warning".
std::string severityText(Severity severity);

// The object a message is about as the window names it: "Node 3", "Ordinary
// stiffener 4, span 2", "Strake 2 of band 1", "Aftward compartment",
// "Bulkhead" for the bulkhead itself; empty for a message about no bulkhead.
std::string subjectText(const Message& message);

}  // namespace korain
