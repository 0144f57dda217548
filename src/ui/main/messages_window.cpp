// The messages window: its controls and rows, the row chosen, and its place by the main window.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/messages_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

#include "messages/message_rows.h"

namespace korain {
namespace {

constexpr std::array<std::pair<DockSide, Qt::DockWidgetArea>, 4> kDockAreas = {{
    {DockSide::Bottom, Qt::BottomDockWidgetArea},
    {DockSide::Top, Qt::TopDockWidgetArea},
    {DockSide::Left, Qt::LeftDockWidgetArea},
    {DockSide::Right, Qt::RightDockWidgetArea},
}};

// A drop-down list whose items carry the value they stand for.
QComboBox* choice(const char* name, std::initializer_list<std::pair<QString, int>> items,
                  const QString& tip, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (const auto& [text, value] : items) box->addItem(text, value);
  box->setToolTip(tip);
  return box;
}

QTreeView* messageList(QWidget* parent) {
  auto* list = new QTreeView(parent);
  list->setObjectName("LI_Messages");
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setAlternatingRowColors(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->header()->setStretchLastSection(true);
  list->setToolTip("Double click a message, or press Enter, to go to its object");
  return list;
}

bool isVertical(DockSide side) { return side == DockSide::Left || side == DockSide::Right; }

}  // namespace

MessagesWindow::MessagesWindow(Source messages, QWidget* parent)
    : QDockWidget("Messages", parent), messages_(std::move(messages)) {
  setObjectName("DW_Messages");
  auto* content = new QWidget(this);
  filter_ = choice("CB_MessageFilter",
                   {{"All messages", static_cast<int>(SeverityFilter::All)},
                    {"Errors", static_cast<int>(SeverityFilter::Errors)},
                    {"Warnings", static_cast<int>(SeverityFilter::Warnings)}},
                   "Which messages to list", content);
  order_ = choice("CB_MessageOrder",
                  {{"In list order", static_cast<int>(MessageOrder::ListOrder)},
                   {"Errors first", static_cast<int>(MessageOrder::ErrorsFirst)}},
                  "List the messages bulkhead by bulkhead, or the errors first", content);
  list_ = messageList(content);
  rows_ = new MessageRowsModel(severityIcon(*style(), Severity::Error),
                               severityIcon(*style(), Severity::Warning), this);
  list_->setModel(rows_);
  auto* choices = new QHBoxLayout;
  choices->addWidget(filter_);
  choices->addWidget(order_);
  choices->addStretch(1);
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(choices);
  layout->addWidget(list_, 1);
  setWidget(content);
  toggleViewAction()->setObjectName("ME_Messages");
  toggleViewAction()->setText("&Messages");
  toggleViewAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
  toggleViewAction()->setStatusTip("Show or hide every message of the last computation");
  for (QComboBox* choice : {filter_, order_}) {
    connect(choice, &QComboBox::currentIndexChanged, this, &MessagesWindow::fillRows);
  }
  connect(list_, &QTreeView::activated, this, &MessagesWindow::chooseRow);
}

void MessagesWindow::refresh() {
  stale_ = true;
  if (isVisible()) fillRows();
}

void MessagesWindow::showEvent(QShowEvent* event) {
  QDockWidget::showEvent(event);
  if (stale_) fillRows();
}

std::optional<Message> MessagesWindow::currentMessage() const {
  const Message* message = rows_->messageAt(list_->currentIndex().row());
  return message != nullptr ? std::optional<Message>(*message) : std::nullopt;
}

void MessagesWindow::fillRows() {
  const std::optional<Message> current = currentMessage();
  rows_->show(messages_(), static_cast<SeverityFilter>(filter_->currentData().toInt()),
              static_cast<MessageOrder>(order_->currentData().toInt()));
  stale_ = false;
  using Column = MessageRowsModel::Column;
  for (const int column : {Column::kSeverity, Column::kBulkhead, Column::kObject}) {
    list_->resizeColumnToContents(column);
  }
  if (!current) return;
  const int row = rows_->rowOf(*current);
  if (row >= 0) list_->setCurrentIndex(rows_->index(row, 0));
}

void MessagesWindow::chooseRow(const QModelIndex& index) {
  if (const Message* message = rows_->messageAt(index.row())) emit messageChosen(*message);
}

QIcon severityIcon(const QStyle& style, Severity severity) {
  return style.standardIcon(severity == Severity::Error ? QStyle::SP_MessageBoxCritical
                                                        : QStyle::SP_MessageBoxWarning);
}

MessagesWindowPlace placeOf(const QMainWindow& main, const MessagesWindow& window) {
  MessagesWindowPlace place{.shown = window.isVisibleTo(&main)};
  if (window.isFloating()) {
    place.side = DockSide::Floating;
    return place;
  }
  const Qt::DockWidgetArea area = main.dockWidgetArea(const_cast<MessagesWindow*>(&window));
  const auto* found = std::find_if(kDockAreas.begin(), kDockAreas.end(),
                                   [area](const auto& named) { return named.second == area; });
  if (found != kDockAreas.end()) place.side = found->first;
  place.size = isVertical(place.side) ? window.width() : window.height();
  return place;
}

void putInPlace(QMainWindow& main, MessagesWindow& window, const MessagesWindowPlace& place) {
  window.setVisible(place.shown);
  if (place.side == DockSide::Floating) {
    window.setFloating(true);
    return;
  }
  const auto* found =
      std::find_if(kDockAreas.begin(), kDockAreas.end(),
                   [&place](const auto& named) { return named.first == place.side; });
  window.setFloating(false);
  main.addDockWidget(found->second, &window);
  if (place.size <= 0) return;
  const Qt::Orientation across = isVertical(place.side) ? Qt::Horizontal : Qt::Vertical;
  const int room = isVertical(place.side) ? main.width() : main.height();
  main.resizeDocks({&window}, {std::min(place.size, room / 2)}, across);
}

}  // namespace korain
