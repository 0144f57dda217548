// The messages window, dockable beside the drawing: every message of the
// latest computation, one row each (severity, bulkhead, object, text), all,
// the errors or the warnings, in the list's order or the errors first. A
// double click or Enter on a row asks to go to its message's object. It keeps
// its place between runs through `MessagesWindowPlace`.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QDockWidget>
#include <QIcon>
#include <QMainWindow>
#include <QStyle>
#include <QTreeWidget>
#include <optional>
#include <vector>

#include "messages/message.h"
#include "messages_window_settings.h"

namespace korain {

class MessagesWindow : public QDockWidget {
  Q_OBJECT

 public:
  explicit MessagesWindow(QWidget* parent = nullptr);

  // Lists the messages as the filter and the order chosen show them; the row
  // current before stays current while its message is still there.
  void showMessages(std::vector<Message> messages);

 signals:
  void messageChosen(const Message& message);

 private:
  // The message of the current row; none without one.
  std::optional<Message> currentMessage() const;
  // The rows of the messages, `current` made the current row when listed.
  void fillRows(const std::optional<Message>& current);
  void chooseRow(const QModelIndex& index);

  std::vector<Message> messages_;
  QComboBox* filter_ = nullptr;  // CB_MessageFilter
  QComboBox* order_ = nullptr;   // CB_MessageOrder
  QTreeWidget* list_ = nullptr;  // LI_Messages
};

// The icon the message lists show for a severity.
QIcon severityIcon(const QStyle& style, Severity severity);

// Where the window stands in its main window now, and the window put there
// (at most half the main window's height or width, leaving the drawing room).
MessagesWindowPlace placeOf(const QMainWindow& main, const MessagesWindow& window);
void putInPlace(QMainWindow& main, MessagesWindow& window, const MessagesWindowPlace& place);

}  // namespace korain
