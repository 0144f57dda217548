// The editor's main window: menus, toolbars and status bar around the drawing
// window and the panel area, and the refresh cycle that keeps them all in step
// with the session.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <functional>
#include <optional>

#include "editor.h"
#include "main/main_actions.h"
#include "save_workflow.h"
#include "view_state.h"

namespace korain {

class FM_Graph;
class PanelArea;

class FM_Main : public QMainWindow, public Editor {
  Q_OBJECT

 public:
  FM_Main(Session& session, Prompt& prompt, QWidget* parent = nullptr);
  ~FM_Main() override;

  // The view of a newly read or created arrangement: panel, menus, caption, drawing.
  void initialiseView();

  void refreshAll() override;
  void refreshPanel() override;
  void refreshMenuToolBar() override;
  void refreshUndoMenu() override;
  void refreshCaption() override;
  void refreshDrawing() override;
  void refreshBulkheadSelector() override;
  void refreshMessageList() override;
  void showStatus(const std::string& text) override;

  // The File menu's commands; false when the user cancelled or nothing was done.
  bool newArrangement();
  // The new-arrangement dialog, then the main data: New without its question,
  // and the end of a start-up that names no block.
  bool createArrangement(const QString& menuCaption);
  bool openArrangement();
  bool save();
  bool saveAs();
  bool exportDrawing();
  // Before the arrangement is left: true to go on (saved, or changes dropped).
  bool confirmSaveChanges();

  void undo();
  void addObject();
  void deleteObject();
  void insertObject();
  void showMainData();
  void stepBulkhead(int direction);
  void setZoomTool(bool on);
  void resetZoom();

  FM_Graph& drawing() { return *graph_; }
  const MainActions& actions() const { return actions_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildStatusBar();
  void connectCommands();
  void chooseObjectTool(int tool, bool pressed);
  void afterBulkheadChosen();
  void applyMenuState(const MenuState& state);
  // Runs a save with its questions, the status text and the wait cursor, and
  // shows the saved state.
  bool runSave(const std::function<bool(SaveWorkflow&)>& save);

  MainActions actions_;
  FM_Graph* graph_ = nullptr;
  PanelArea* panels_ = nullptr;
  QLabel* stateText_ = nullptr;       // PAN_State
  QLabel* objectText_ = nullptr;      // PAN_Object
  QLabel* positionText_ = nullptr;    // PAN_yz
  QLabel* helpText_ = nullptr;        // PAN_Help
  QComboBox* messageList_ = nullptr;  // CB_Error
};

}  // namespace korain
