// The editor's main window: menus, toolbars and status bar around the drawing
// window and the panel area; it shows the session and refreshes, in the order
// of the refresh cycle, whatever a change asks.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QSplitter>
#include <functional>
#include <optional>
#include <utility>

#include "drawing_print.h"
#include "editor.h"
#include "main/main_actions.h"
#include "main/manual_browser.h"
#include "main/messages_window.h"
#include "panels/panel.h"
#include "report_settings.h"
#include "save_workflow.h"
#include "session_view.h"
#include "view_state.h"

namespace korain {

class FM_Graph;
class PanelArea;

class FM_Main : public QMainWindow, public Editor, public SessionView {
  Q_OBJECT

 public:
  FM_Main(Session& session, Prompt& prompt, QWidget* parent = nullptr);
  ~FM_Main() override;

  // The view of a newly read or created arrangement: panel, menus, caption,
  // message list, drawing framed anew.
  void initialiseView();

  void refresh(Follow follow) override;
  void showStatus(const std::string& text) override;
  double pickTolerance() const override;

  // The File menu's commands; false when the user cancelled or nothing was done.
  bool newArrangement();
  // The new-arrangement dialog, then the main data: New without its question,
  // and the end of a start-up that names no block.
  bool createArrangement(const QString& menuCaption);
  bool openArrangement();
  bool save();
  bool saveAs();
  bool exportDrawing();
  // Import Contour from DXF: the longest chain of a DXF file made the nodes of
  // the current bulkhead (asked first when it has nodes) or of a new one.
  bool importContour();
  // Print Data: the print dialog, then the report printed or previewed.
  void printData();
  // Print Drawing: the drawing print dialog, then the sheet printed or previewed.
  void printDrawing();
  // The drawing as the window shows it, onto the clipboard as a picture and as SVG.
  void copyDrawing();
  // Before the arrangement is left: true to go on (saved, or changes dropped).
  bool confirmSaveChanges();

  // Add, Delete and Insert on the current panel, each one change.
  void runItemCommand(ItemCommand command);
  void showMainData();
  // Copy Bulkheads From: bulkheads of an arrangement appended as one change.
  void copyBulkheads();
  void showPreferences();
  void stepBulkhead(int direction);
  void setZoomTool(bool on);
  // A check view of the Check menu: the check panel with its legend, and the
  // drawing coloured by the check.
  void chooseCheckView(PanelCode panel, Long mode);
  void resetZoom();
  // Help > Korain Manual: the manual's first page in the desktop's browser, or
  // a message saying why not.
  void showManual();
  // Where the manual may be and how a page reaches a browser; tests replace both.
  void setManualBrowser(ManualBrowser browser) { manualBrowser_ = std::move(browser); }

  // The width of the panel column; 0 lets it take what its panels need.
  int panelWidth() const;
  void setPanelWidth(int width);
  // Where the messages window stands: shown or not, its side and size.
  MessagesWindowPlace messagesWindowPlace() const;
  void setMessagesWindowPlace(const MessagesWindowPlace& place);

  FM_Graph& drawing() { return *graph_; }
  const MainActions& actions() const { return actions_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The help pane shows the tip of the command under the pointer, and nothing
  // once the pointer has left it; the state pane a field's refusal.
  bool event(QEvent* event) override;

 private:
  void buildStatusBar();
  void connectCommands();
  void chooseObjectTool(int tool, bool pressed);
  // The object a message of the message list is about becomes current.
  void messageChosen(int row);
  // Read whole before the refresh that shows its panel, which may fill the
  // lists anew.
  void goToMessage(const Message& message);
  // A field's refusal in the state pane, or none.
  void showRefusal(const QString& text);
  void refreshPanel();
  void refreshMenuToolBar();
  void refreshUndoMenu();
  void refreshCaption();
  void refreshMessageList();
  void applyMenuState(const MenuState& state);
  void previewReport(const ReportSettings& settings);
  void printReportOn(const ReportSettings& settings);
  // The name of the PDF file to print into, asked in the data folder; none when cancelled.
  std::optional<std::string> askPdfFileName();
  // The sheet on the named printer, or into a PDF file whose name is asked.
  void printSheetOn(const QString& printer, const DrawingPrint& print, const DrawingScene& scene);
  // Runs a save with its questions, the status text and the wait cursor, and
  // shows the saved state.
  bool runSave(const std::function<bool(SaveWorkflow&)>& save);

  MainActions actions_;
  ManualBrowser manualBrowser_ = desktopManualBrowser();
  QSplitter* splitter_ = nullptr;
  FM_Graph* graph_ = nullptr;
  PanelArea* panels_ = nullptr;
  QLabel* stateText_ = nullptr;       // PAN_State
  QLabel* objectText_ = nullptr;      // PAN_Object
  QLabel* positionText_ = nullptr;    // PAN_yz
  QLabel* helpText_ = nullptr;        // PAN_Help
  QComboBox* messageList_ = nullptr;  // CB_Error
  QLabel* messageCount_ = nullptr;    // PAN_MessageCount
  MessagesWindow* messagesWindow_ = nullptr;
  QString refusal_;
};

}  // namespace korain
