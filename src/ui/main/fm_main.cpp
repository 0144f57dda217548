#include "main/fm_main.h"

#include <QCloseEvent>
#include <QSplitter>
#include <QStatusBar>

#include "drawing/fm_graph.h"
#include "main/about_box.h"
#include "main/panel_area.h"
#include "text/format_message.h"

namespace korain {

FM_Main::FM_Main(Session& session, Prompt& prompt, QWidget* parent)
    : QMainWindow(parent), Editor(session, prompt) {
  setObjectName("FM_Main");
  actions_ = buildMainActions(*this);
  auto* splitter = new QSplitter(this);
  graph_ = new FM_Graph(*this, splitter);
  panels_ = new PanelArea(*this, splitter);
  splitter->addWidget(graph_);
  splitter->addWidget(panels_);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 0);
  setCentralWidget(splitter);
  buildStatusBar();
  connectCommands();
  // Printing, the checks and the preferences arrive with their own windows.
  for (QAction* later : {actions_.printData, actions_.plot, actions_.printTool,
                         actions_.preferences, actions_.checkMenu->menuAction()}) {
    later->setEnabled(false);
  }
  resize(1280, 800);
  refreshCaption();
}

FM_Main::~FM_Main() = default;

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
  messageList_ = new QComboBox(this);
  messageList_->setObjectName("CB_Error");
  messageList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  messageList_->setMinimumContentsLength(40);
  messageList_->setToolTip("Messages of the last computation");
  statusBar()->addWidget(stateText_);
  statusBar()->addWidget(objectText_);
  statusBar()->addWidget(positionText_);
  statusBar()->addWidget(messageList_, 1);
  statusBar()->addPermanentWidget(helpText_);
  connect(graph_, &FM_Graph::objectTextChanged, objectText_, &QLabel::setText);
  connect(graph_, &FM_Graph::positionTextChanged, positionText_, &QLabel::setText);
}

void FM_Main::connectCommands() {
  const MainActions& a = actions_;
  connect(a.newArrangement, &QAction::triggered, this, [this] { newArrangement(); });
  connect(a.open, &QAction::triggered, this, [this] { openArrangement(); });
  connect(a.save, &QAction::triggered, this, [this] { save(); });
  connect(a.saveTool, &QAction::triggered, this, [this] { save(); });
  connect(a.saveAs, &QAction::triggered, this, [this] { saveAs(); });
  connect(a.exportDrawing, &QAction::triggered, this, [this] { exportDrawing(); });
  connect(a.quit, &QAction::triggered, this, &QWidget::close);
  connect(a.exitTool, &QAction::triggered, this, &QWidget::close);
  connect(a.undo, &QAction::triggered, this, &FM_Main::undo);
  connect(a.mainData, &QAction::triggered, this, &FM_Main::showMainData);
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
  connect(a.add, &QAction::triggered, this, &FM_Main::addObject);
  connect(a.addTool, &QAction::triggered, this, &FM_Main::addObject);
  connect(a.remove, &QAction::triggered, this, &FM_Main::deleteObject);
  connect(a.deleteTool, &QAction::triggered, this, &FM_Main::deleteObject);
  connect(a.insert, &QAction::triggered, this, &FM_Main::insertObject);
  connect(a.zoomTool, &QAction::triggered, this, &FM_Main::setZoomTool);
  connect(a.zoomItem, &QAction::triggered, this, [this] {
    actions_.zoomTool->setChecked(!actions_.zoomTool->isChecked());
    setZoomTool(actions_.zoomTool->isChecked());
  });
  connect(a.noZoomTool, &QAction::triggered, this, &FM_Main::resetZoom);
  connect(a.previousBulkhead, &QAction::triggered, this, [this] { stepBulkhead(-1); });
  connect(a.nextBulkhead, &QAction::triggered, this, [this] { stepBulkhead(1); });
  connect(a.refreshDrawing, &QAction::triggered, this, [this] {
    session().geometry().valid = false;
    refreshAll();
  });
  connect(a.about, &QAction::triggered, this,
          [this] { showAboutBox(this, QString::fromStdString(session().run.applicationTitle)); });
  connect(&panels_->selector(), &FM_CBPanel::bulkheadChosen, this, &FM_Main::afterBulkheadChosen);
  // The help pane names the command under the pointer.
  for (QAction* action : findChildren<QAction*>()) {
    connect(action, &QAction::hovered, helpText_,
            [this, action] { helpText_->setText(action->toolTip()); });
  }
}

void FM_Main::initialiseView() {
  session().geometry().valid = false;
  graph_->resetZoom();
  refreshAll();
}

void FM_Main::refreshAll() {
  PanelCode& code = session().display().CurrentPanel;
  // A stiffener or strake picked in the drawing shows its bulkhead until
  // their panels exist.
  if (!panels_->hasPanel(code)) code = PanelCode::Bulkhead;
  if (!session().geometry().valid) session().messages().clear();
  adjustStiffenerPanel(session());
  computeGeometry();
  refreshPanel();
  refreshMenuToolBar();
  refreshCaption();
  refreshDrawing();
}

void FM_Main::refreshPanel() { panels_->showPanel(panels_->currentPanel()); }

void FM_Main::refreshMenuToolBar() {
  const RefreshingScope refreshing(session());
  const Panel& panel = panels_->panel(session().display().CurrentPanel);
  applyMenuState(menuState(session(), {.exists = true,
                                       .canAdd = panel.canAdd(),
                                       .canRemove = panel.canRemove(),
                                       .canInsert = panel.canInsert()}));
}

void FM_Main::applyMenuState(const MenuState& state) {
  MainActions& a = actions_;
  a.objectsBar->setEnabled(state.mainDataComplete);
  a.arrangementMenu->menuAction()->setEnabled(state.mainDataComplete);
  a.zoomItem->setEnabled(state.mainDataComplete);
  refreshUndoMenu();

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

  if (state.pressedObjectTool >= 0) {
    a.objectTools[static_cast<std::size_t>(state.pressedObjectTool)]->setChecked(true);
  }
  a.previousBulkhead->setEnabled(state.previousNextBulkhead);
  a.nextBulkhead->setEnabled(state.previousNextBulkhead);
  for (std::size_t i = 0; i < state.objectTools.size(); ++i) {
    a.objectTools[i]->setEnabled(state.objectTools[i]);
    a.objectItems[i]->setEnabled(state.objectTools[i]);
  }
}

void FM_Main::refreshUndoMenu() {
  // A clean arrangement leaves the item's last caption as it was, greyed.
  if (session().canUndo()) actions_.undo->setText(QString::fromStdString(session().undoMenuText()));
  actions_.undo->setEnabled(session().canUndo());
}

void FM_Main::refreshCaption() {
  setWindowTitle(QString::fromStdString(session().caption(session().run.applicationTitle)));
}

void FM_Main::refreshDrawing() {
  session().Refreshing = false;
  graph_->refreshDrawing();
}

void FM_Main::refreshBulkheadSelector() { panels_->selector().refreshControls(); }

void FM_Main::refreshMessageList() {
  const RefreshingScope refreshing(session());
  messageList_->clear();
  for (const std::string& message : session().messages().messages()) {
    messageList_->addItem(QString::fromStdString(message));
  }
  messageList_->setCurrentIndex(session().messages().selectedIndex());
}

void FM_Main::showStatus(const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (stateText_->text() == shown) return;
  stateText_->setText(shown);
  // Seen while a long step runs, before the event loop gets its turn again.
  stateText_->repaint();
}

void FM_Main::afterBulkheadChosen() {
  if (adjustStiffenerPanel(session())) {
    refreshPanel();
  } else {
    panels_->currentPanel().refreshControls();
  }
  refreshMenuToolBar();
  refreshDrawing();
}

void FM_Main::closeEvent(QCloseEvent* event) {
  if (confirmSaveChanges()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace korain
