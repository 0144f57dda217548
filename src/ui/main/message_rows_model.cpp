// The messages window's rows as a table model: their cells, icons and headings.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/message_rows_model.h"

#include <array>
#include <utility>

namespace korain {

MessageRowsModel::MessageRowsModel(QIcon error, QIcon warning, QObject* parent)
    : QAbstractTableModel(parent), error_(std::move(error)), warning_(std::move(warning)) {}

void MessageRowsModel::show(std::vector<Message> messages, SeverityFilter filter,
                            MessageOrder order) {
  beginResetModel();
  messages_ = std::move(messages);
  rows_ = messageRows(messages_, filter, order);
  endResetModel();
}

const Message* MessageRowsModel::messageAt(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return nullptr;
  return &messages_[rows_[static_cast<std::size_t>(row)].message];
}

int MessageRowsModel::rowOf(const Message& message) const {
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    if (messages_[rows_[row].message] == message) return static_cast<int>(row);
  }
  return -1;
}

int MessageRowsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MessageRowsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant MessageRowsModel::data(const QModelIndex& index, int role) const {
  const Message* message = messageAt(index.row());
  if (message == nullptr) return {};
  const MessageRow& row = rows_[static_cast<std::size_t>(index.row())];
  const std::array<const std::string*, kColumnCount> texts = {&row.severity, &row.bulkhead,
                                                              &row.object, &row.text};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(*texts.at(static_cast<std::size_t>(index.column())));
    case Qt::ToolTipRole:
      // A narrow window cuts the text short; the tip shows it whole.
      return index.column() == kText ? QString::fromStdString(row.text) : QVariant();
    case Qt::DecorationRole:
      if (index.column() != kSeverity) return {};
      return message->severity == Severity::Error ? error_ : warning_;
    case Qt::TextAlignmentRole:
      if (index.column() != kBulkhead) return {};
      return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    default:
      return {};
  }
}

QVariant MessageRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static constexpr std::array<const char*, kColumnCount> kTitles = {"Severity", "Bulkhead",
                                                                    "Object", "Message"};
  if (section < 0 || section >= kColumnCount) return {};
  return QString(kTitles.at(static_cast<std::size_t>(section)));
}

}  // namespace korain
