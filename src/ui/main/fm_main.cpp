// Building the main window and connecting its commands; its refresh cycle and its status bar.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/fm_main.h"

#include <QCloseEvent>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <algorithm>

#include "drawing/fm_graph.h"
#include "edit/selection_edits.h"
#include "main/about_box.h"
#include "main/panel_area.h"
#include "messages/message_count.h"
#include "text/format_message.h"
#include "widgets/commit_field.h"
#include "widgets/refusal_notice.h"

namespace korain {

FM_Main::FM_Main(Session& session, Prompt& prompt, QWidget* parent)
    : QMainWindow(parent), Editor(session, prompt) {
  setObjectName("FM_Main");
  actions_ = buildMainActions(*this);
  splitter_ = new QSplitter(this);
  splitter_->setObjectName("SPL_Main");
  graph_ = new FM_Graph(*this, splitter_);
  // The status bar's message list is built before the panels, so that Tab
  // goes from the bulkhead selector on into the panel below it and reaches
  // the message list only after the panel's last control.
  buildStatusBar();
  panels_ = new PanelArea(*this, splitter_);
  splitter_->addWidget(graph_);
  splitter_->addWidget(panels_);
  splitter_->setStretchFactor(0, 1);
  splitter_->setStretchFactor(1, 0);
  // The panel column is never narrower than its content.
  splitter_->setChildrenCollapsible(false);
  setCentralWidget(splitter_);
  messagesWindow_ = new MessagesWindow(
      [this] {
        const Session& s = this->session();
        return latestMessages(s.allMessages(), s.messages());
      },
      this);
  addDockWidget(Qt::BottomDockWidgetArea, messagesWindow_);
  messagesWindow_->hide();
  actions_.viewMenu->addAction(messagesWindow_->toggleViewAction());
  connect(messagesWindow_, &MessagesWindow::messageChosen, this, &FM_Main::goToMessage);
  connectCommands();
  resize(1280, 800);
  session.setView(this);
  refreshMenuToolBar();
  refreshUndoMenu();
  refreshCaption();
}

FM_Main::~FM_Main() { session().setView(nullptr); }

void FM_Main::buildStatusBar() {
  const auto pane = [this](const char* name, int minimumWidth) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setMinimumWidth(minimumWidth);
    return label;
  };
  stateText_ = pane("PAN_State", 80);
  objectText_ = pane("PAN_Object", 160);
  positionText_ = pane("PAN_yz", 110);
  helpText_ = pane("PAN_Help", 160);
  messageCount_ = pane("PAN_MessageCount", 0);
  messageCount_->setToolTip(
      "Errors and warnings of the last computation; View > Messages (Ctrl+M) "
      "lists every one");
  messageList_ = new QComboBox(this);
  messageList_->setObjectName("CB_Error");
  messageList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  messageList_->setMinimumContentsLength(40);
  messageList_->setToolTip("Messages of the last computation; choose one to go to its object");
  statusBar()->addWidget(stateText_);
  statusBar()->addWidget(objectText_);
  statusBar()->addWidget(positionText_);
  statusBar()->addWidget(messageCount_);
  statusBar()->addWidget(messageList_, 1);
  statusBar()->addPermanentWidget(helpText_);
  connect(graph_, &FM_Graph::objectTextChanged, objectText_, &QLabel::setText);
  connect(graph_, &FM_Graph::positionTextChanged, positionText_, &QLabel::setText);
  connect(messageList_, &QComboBox::activated, this, &FM_Main::messageChosen);
}

void FM_Main::connectCommands() {
  // Connected first, so that it runs before the command itself.
  for (QAction* action : findChildren<QAction*>()) {
    connect(action, &QAction::triggered, this, &commitFocusedField);
  }
  const MainActions& a = actions_;
  connect(a.newArrangement, &QAction::triggered, this, [this] { newArrangement(); });
  connect(a.open, &QAction::triggered, this, [this] { openArrangement(); });
  connect(a.save, &QAction::triggered, this, [this] { save(); });
  connect(a.saveTool, &QAction::triggered, this, [this] { save(); });
  connect(a.saveAs, &QAction::triggered, this, [this] { saveAs(); });
  connect(a.exportDrawing, &QAction::triggered, this, [this] { exportDrawing(); });
  connect(a.importContour, &QAction::triggered, this, [this] { importContour(); });
  connect(a.printData, &QAction::triggered, this, &FM_Main::printData);
  connect(a.printTool, &QAction::triggered, this, &FM_Main::printData);
  connect(a.plot, &QAction::triggered, this, &FM_Main::printDrawing);
  connect(a.copyDrawing, &QAction::triggered, this, &FM_Main::copyDrawing);
  connect(a.quit, &QAction::triggered, this, &QWidget::close);
  connect(a.exitTool, &QAction::triggered, this, &QWidget::close);
  connect(a.undo, &QAction::triggered, this, [this] { session().undo(); });
  connect(a.redo, &QAction::triggered, this, [this] { session().redo(); });
  connect(a.mainData, &QAction::triggered, this, &FM_Main::showMainData);
  connect(a.copyBulkheads, &QAction::triggered, this, &FM_Main::copyBulkheads);
  for (int i = 0; i < kObjectToolCount; ++i) {
    QAction* tool = a.objectTools[static_cast<std::size_t>(i)];
    connect(tool, &QAction::triggered, this,
            [this, i](bool pressed) { chooseObjectTool(i, pressed); });
    connect(a.objectItems[static_cast<std::size_t>(i)], &QAction::triggered, this, [this, i, tool] {
      if (tool->isChecked()) return;
      tool->setChecked(true);
      chooseObjectTool(i, true);
    });
  }
  for (QAction* add : {a.add, a.addTool}) {
    connect(add, &QAction::triggered, this, [this] { runItemCommand(ItemCommand::Add); });
  }
  for (QAction* remove : {a.remove, a.deleteTool}) {
    connect(remove, &QAction::triggered, this, [this] { runItemCommand(ItemCommand::Remove); });
  }
  connect(a.insert, &QAction::triggered, this, [this] { runItemCommand(ItemCommand::Insert); });
  connect(a.zoomTool, &QAction::triggered, this, &FM_Main::setZoomTool);
  connect(a.zoomItem, &QAction::triggered, this, [this] {
    actions_.zoomTool->setChecked(!actions_.zoomTool->isChecked());
    setZoomTool(actions_.zoomTool->isChecked());
  });
  connect(a.noZoomTool, &QAction::triggered, this, &FM_Main::resetZoom);
  connect(a.previousBulkhead, &QAction::triggered, this, [this] { stepBulkhead(-1); });
  connect(a.nextBulkhead, &QAction::triggered, this, [this] { stepBulkhead(1); });
  for (const CheckItem& check : a.checkItems) {
    connect(check.action, &QAction::triggered, this,
            [this, check] { chooseCheckView(check.panel, check.mode); });
  }
  connect(a.preferences, &QAction::triggered, this, &FM_Main::showPreferences);
  connect(a.refreshDrawing, &QAction::triggered, this, [this] { session().recomputeAll(); });
  connect(a.manual, &QAction::triggered, this, &FM_Main::showManual);
  connect(a.about, &QAction::triggered, this, [this] {
    showAboutBox(this, QString::fromStdString(session().run().applicationTitle),
                 session().run().DebugMode);
  });
}

void FM_Main::initialiseView() {
  graph_->resetZoom();
  session().refresh(kRefreshAll);
}

void FM_Main::refresh(Follow follow) {
  if (has(follow, Follow::Panel)) {
    refreshPanel();
  } else if (has(follow, Follow::Rows)) {
    panels_->currentPanel().refreshRows();
  }
  if (has(follow, Follow::Selector)) panels_->selector().refresh();
  if (has(follow, Follow::Menus)) refreshMenuToolBar();
  refreshUndoMenu();
  refreshCaption();
  if (has(follow, Follow::Messages)) refreshMessageList();
  if (has(follow, Follow::Redraw)) graph_->refreshDrawing();
}

void FM_Main::refreshPanel() { panels_->showPanel(panels_->currentPanel()); }

void FM_Main::refreshMenuToolBar() { applyMenuState(menuState(session())); }

void FM_Main::applyMenuState(const MenuState& state) {
  MainActions& a = actions_;
  for (QAction* saving : {a.save, a.saveAs, a.saveTool}) saving->setEnabled(state.arrangementOpen);
  for (QAction* output : {a.printData, a.printTool, a.plot, a.exportDrawing, a.copyDrawing}) {
    output->setEnabled(state.arrangementOpen);
  }
  a.objectsBar->setEnabled(state.mainDataComplete);
  a.importContour->setEnabled(state.mainDataComplete && state.arrangementOpen);
  a.arrangementMenu->menuAction()->setEnabled(state.mainDataComplete && state.arrangementOpen);
  a.zoomItem->setEnabled(state.mainDataComplete);

  a.addDeleteBar->setEnabled(state.addDeleteEnabled);
  a.toolsMenu->menuAction()->setEnabled(state.addDeleteEnabled);
  a.addTool->setEnabled(state.canAdd);
  a.deleteTool->setEnabled(state.canRemove);
  a.addTool->setText(QString::fromStdString(state.addText));
  a.deleteTool->setText(QString::fromStdString(state.deleteText));
  a.add->setText("&" + a.addTool->text());
  a.remove->setText("&" + a.deleteTool->text());
  a.add->setEnabled(state.canAdd);
  a.remove->setEnabled(state.canRemove);
  a.insert->setText(QString::fromStdString(state.insertText));
  a.insert->setEnabled(state.canInsert);
  for (QAction* named : {a.addTool, a.deleteTool, a.add, a.remove, a.insert}) {
    named->setStatusTip(named->toolTip());
  }

  if (state.pressedObjectTool >= 0) {
    a.objectTools[static_cast<std::size_t>(state.pressedObjectTool)]->setChecked(true);
  } else if (QAction* pressed = a.objectGroup->checkedAction()) {
    // A check view releases the object tool, so that one click on it returns.
    pressed->setChecked(false);
  }
  a.previousBulkhead->setEnabled(state.previousNextBulkhead);
  a.nextBulkhead->setEnabled(state.previousNextBulkhead);
  for (std::size_t i = 0; i < state.objectTools.size(); ++i) {
    a.objectTools[i]->setEnabled(state.objectTools[i]);
    a.objectItems[i]->setEnabled(state.objectTools[i]);
  }
}

void FM_Main::refreshUndoMenu() {
  // An item with nothing to do reads plain "Undo" or "Redo", greyed: the label
  // of a change no longer there would name what the item cannot do.
  const auto show = [](QAction& item, bool offered, const std::string& text) {
    item.setText(QString::fromStdString(text));
    item.setStatusTip(item.toolTip());
    item.setEnabled(offered);
  };
  show(*actions_.undo, session().canUndo(), session().undoMenuText());
  show(*actions_.redo, session().canRedo(), session().redoMenuText());
}

void FM_Main::refreshCaption() {
  setWindowTitle(QString::fromStdString(session().caption(session().run().applicationTitle)));
}

void FM_Main::refreshMessageList() {
  const MessageList& list = session().messages();
  messageList_->clear();
  for (const Message& message : list.messages()) {
    messageList_->addItem(severityIcon(*style(), message.severity),
                          QString::fromStdString(message.text));
  }
  messageList_->setCurrentIndex(list.selectedIndex());
  const MessageCount count = session().messageCount();
  const std::size_t all = count.errors + count.warnings + session().toldSinceComputed();
  messageCount_->setText(
      QString::fromStdString(countText(count, all - std::min(all, list.size()))));
  messagesWindow_->refresh();
}

void FM_Main::messageChosen(int row) {
  const auto& messages = session().messages().messages();
  if (row < 0 || static_cast<std::size_t>(row) >= messages.size()) return;
  goToMessage(messages[static_cast<std::size_t>(row)]);
}

void FM_Main::goToMessage(const Message& message) {
  Selection moved = selectionOf(session().arrangement());
  const std::optional<PanelCode> panel = selectSubject(moved, session().arrangement(), message);
  if (!panel) return;
  panels_->panel(*panel).showSubject(message);
  // The panel first: a check panel shown until now would settle the
  // selection to no bulkhead, and the message's bulkhead would be lost.
  session().showPanel(*panel, Follow::Nothing);
  session().moveSelection(moved, Follow::Panel | Follow::Menus | Follow::Redraw);
}

double FM_Main::pickTolerance() const { return graph_->pickTolerance(); }

void FM_Main::showStatus(const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (stateText_->text() == shown) return;
  stateText_->setText(shown);
  // Seen while a long step runs, before the event loop gets its turn again.
  stateText_->repaint();
}

void FM_Main::showRefusal(const QString& text) {
  // Taking a refusal back clears only that refusal, not a later status.
  if (text.isEmpty() && stateText_->text() != refusal_) return;
  refusal_ = text;
  showStatus(text.toStdString());
}

int FM_Main::panelWidth() const { return splitter_->sizes().value(1); }

void FM_Main::setPanelWidth(int width) {
  if (width <= 0) return;
  const int total = splitter_->width();
  // A width remembered on a wider screen, or typed into the configuration,
  // must not squeeze the drawing to a sliver: it keeps a third of the width.
  const int shown = std::min(width, total - total / 3);
  splitter_->setSizes({total - shown, shown});
}

MessagesWindowPlace FM_Main::messagesWindowPlace() const {
  return placeOf(*this, *messagesWindow_);
}

void FM_Main::setMessagesWindowPlace(const MessagesWindowPlace& place) {
  putInPlace(*this, *messagesWindow_, place);
}

void FM_Main::closeEvent(QCloseEvent* event) {
  // Closed by the window's frame, no command has settled a value being typed.
  commitFocusedField();
  if (confirmSaveChanges()) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool FM_Main::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    helpText_->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  if (event->type() == RefusalNotice::type()) {
    showRefusal(static_cast<RefusalNotice*>(event)->text());
    event->accept();
    return true;
  }
  return QMainWindow::event(event);
}

}  // namespace korain
