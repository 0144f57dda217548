// The rows of the messages window as a table model: the messages window may
// list thousands of messages after each edit, and a model shows them without a
// widget item per row.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <vector>

#include "messages/message.h"
#include "messages/message_rows.h"

namespace korain {

class MessageRowsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kSeverity, kBulkhead, kObject, kText, kColumnCount };

  MessageRowsModel(QIcon error, QIcon warning, QObject* parent = nullptr);

  // The rows of `messages` as `filter` and `order` choose them.
  void show(std::vector<Message> messages, SeverityFilter filter, MessageOrder order);

  // The message a row stands for; none beyond the rows.
  const Message* messageAt(int row) const;
  // The row of the message, -1 when it is not listed.
  int rowOf(const Message& message) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QIcon error_;
  QIcon warning_;
  std::vector<Message> messages_;
  std::vector<MessageRow> rows_;
};

}  // namespace korain
