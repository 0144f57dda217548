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
#include <QTreeView>
#include <functional>
#include <optional>
#include <vector>

#include "main/message_rows_model.h"
#include "messages/message.h"
#include "messages_window_settings.h"

namespace korain {

class MessagesWindow : public QDockWidget {
  Q_OBJECT

 public:
  // `messages` gives the messages to list, in the list's order.
  using Source = std::function<std::vector<Message>()>;
  explicit MessagesWindow(Source messages, QWidget* parent = nullptr);

  // Lists the messages as they now are, as the filter and the order chosen
  // show them; the row current before stays current while its message is
  // still there. A hidden window only notes that they changed, and lists them
  // once it is shown: thousands of rows after every edit would slow the
  // editing down for a window nobody sees.
  void refresh();

 signals:
  void messageChosen(const Message& message);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The message of the current row; none without one.
  std::optional<Message> currentMessage() const;
  // The rows of the messages, the current row's message kept current.
  void fillRows();
  void chooseRow(const QModelIndex& index);

  Source messages_;
  // The rows may differ from the messages: they changed while the window was hidden.
  bool stale_ = true;
  QComboBox* filter_ = nullptr;  // CB_MessageFilter
  QComboBox* order_ = nullptr;   // CB_MessageOrder
  QTreeView* list_ = nullptr;    // LI_Messages
  MessageRowsModel* rows_ = nullptr;
};

// The icon the message lists show for a severity.
QIcon severityIcon(const QStyle& style, Severity severity);

// Where the window stands in its main window now, and the window put there
// (at most half the main window's height or width, leaving the drawing room).
MessagesWindowPlace placeOf(const QMainWindow& main, const MessagesWindow& window);
void putInPlace(QMainWindow& main, MessagesWindow& window, const MessagesWindowPlace& place);

}  // namespace korain
