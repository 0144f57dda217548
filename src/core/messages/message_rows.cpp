// Filtering and ordering the messages window's rows, and the text of each column.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages/message_rows.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "model/codes.h"

namespace korain {
namespace {

bool passes(const Message& message, SeverityFilter filter) {
  switch (filter) {
    case SeverityFilter::Errors:
      return message.severity == Severity::Error;
    case SeverityFilter::Warnings:
      return message.severity != Severity::Error;
    case SeverityFilter::All:
      break;
  }
  return true;
}

// The kind with its number, when the message has one.
std::string numbered(const char* kind, int index) {
  return index > 0 ? std::string(kind) + " " + std::to_string(index) : std::string(kind);
}

std::string strakeText(const Message& message) {
  if (message.subIndex <= 0) return numbered("Strake band", message.index);
  return "Strake " + std::to_string(message.subIndex) + " of band " + std::to_string(message.index);
}

std::string stiffenerText(const Message& message) {
  std::string text = numbered("Ordinary stiffener", message.index);
  if (message.subIndex > 0) text += ", span " + std::to_string(message.subIndex);
  return text;
}

std::string compartmentText(const Message& message) {
  const std::optional<std::string_view> side = sideText(message.index - 1);
  return side ? std::string(*side) : numbered("Compartment", message.index);
}

}  // namespace

std::string severityText(Severity severity) {
  switch (severity) {
    case Severity::Error:
      return "Error";
    case Severity::Warning:
      break;
  }
  return "Warning";
}

std::string subjectText(const Message& message) {
  if (message.bulkhead <= 0) return {};
  switch (message.kind) {
    case PanelCode::Nodes:
      return numbered("Node", message.index);
    case PanelCode::PrimaryMembers:
      return numbered("Primary member", message.index);
    case PanelCode::OrdinaryStiffeners:
      return stiffenerText(message);
    case PanelCode::Corrugation:
      return numbered("Corrugation", message.index);
    case PanelCode::StrakeBands:
      return strakeText(message);
    case PanelCode::Compartments:
      return compartmentText(message);
    default:
      return "Bulkhead";
  }
}

std::vector<MessageRow> messageRows(const std::vector<Message>& messages, SeverityFilter filter,
                                    MessageOrder order) {
  std::vector<MessageRow> rows;
  for (std::size_t i = 0; i < messages.size(); ++i) {
    const Message& message = messages[i];
    if (!passes(message, filter)) continue;
    rows.push_back({.message = i,
                    .severity = severityText(message.severity),
                    .bulkhead = message.bulkhead > 0 ? std::to_string(message.bulkhead) : "",
                    .object = subjectText(message),
                    .text = message.text});
  }
  if (order == MessageOrder::ErrorsFirst) {
    std::stable_partition(rows.begin(), rows.end(), [&messages](const MessageRow& row) {
      return messages[row.message].severity == Severity::Error;
    });
  }
  return rows;
}

}  // namespace korain
