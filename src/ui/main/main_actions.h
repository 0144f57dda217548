// The menus and toolbars of the main window, every item named as the design
// names it, with its caption, shortcut, icon and tip.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <array>

#include "view_state.h"

namespace korain {

// An item of the Check menu: the panel code and the check kind it shows.
struct CheckItem {
  QAction* action = nullptr;
  PanelCode panel = PanelCode::PlatingChecks;
  Long mode = 0;
};

inline constexpr std::size_t kCheckItemCount = 9;

struct MainActions {
  QMenu* fileMenu = nullptr;
  QAction* newArrangement = nullptr;  // ME_New
  QAction* open = nullptr;            // ME_Load
  QAction* save = nullptr;            // ME_Save
  QAction* saveAs = nullptr;          // ME_SaveAs
  QAction* exportDrawing = nullptr;   // ME_ExportDrawing
  QAction* importContour = nullptr;   // ME_ImportContour
  QAction* printData = nullptr;       // ME_PrintData
  QAction* plot = nullptr;            // ME_Plot
  QAction* quit = nullptr;            // ME_Quit

  QMenu* editMenu = nullptr;
  QAction* undo = nullptr;         // ME_EditUndo
  QAction* redo = nullptr;         // ME_EditRedo
  QAction* copyDrawing = nullptr;  // ME_EditCopy

  // The windows beside the drawing: the main window adds their toggles.
  QMenu* viewMenu = nullptr;  // ME_View

  QMenu* arrangementMenu = nullptr;                      // ME_Zel
  QAction* mainData = nullptr;                           // ME_MainData
  QAction* copyBulkheads = nullptr;                      // ME_CopyBulkheads
  std::array<QAction*, kObjectToolCount> objectItems{};  // ME_Obj_i

  QMenu* checkMenu = nullptr;  // ME_Check
  std::array<CheckItem, kCheckItemCount> checkItems{};

  QMenu* toolsMenu = nullptr;           // ME_Tools
  QAction* add = nullptr;               // ME_Add
  QAction* remove = nullptr;            // ME_Delete
  QAction* insert = nullptr;            // ME_Insert
  QAction* zoomItem = nullptr;          // ME_Zoom
  QAction* previousBulkhead = nullptr;  // ME_PreviousPanel
  QAction* nextBulkhead = nullptr;      // ME_NextPanel

  QAction* preferences = nullptr;     // ME_OptionPref
  QAction* refreshDrawing = nullptr;  // ME_RefreshSection
  QAction* manual = nullptr;          // ME_Manual
  QAction* about = nullptr;           // ME_About

  QToolBar* selectBar = nullptr;   // SS_Select
  QAction* zoomTool = nullptr;     // tool 0, a toggle
  QAction* noZoomTool = nullptr;   // tool 1
  QToolBar* objectsBar = nullptr;  // SS_Objects
  QActionGroup* objectGroup = nullptr;
  std::array<QAction*, kObjectToolCount> objectTools{};
  QToolBar* addDeleteBar = nullptr;  // SS_AddDel
  QAction* addTool = nullptr;
  QAction* deleteTool = nullptr;
  QToolBar* fileBar = nullptr;  // SS_File
  QAction* saveTool = nullptr;
  QAction* printTool = nullptr;
  QAction* exitTool = nullptr;
};

// The texts of the object tools, in tool order.
const std::array<const char*, kObjectToolCount>& objectToolTexts();

MainActions buildMainActions(QMainWindow& window);

}  // namespace korain
