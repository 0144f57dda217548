// Building the main window's menus and toolbars, item by item.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/main_actions.h"

#include <QMenuBar>

#include "checks/check_modes.h"
#include "main/toolbar_icons.h"

namespace korain {
namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption, const QKeySequence& key = {}) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setShortcut(key);
  return action;
}

QMenu* menu(QMenuBar* bar, const char* name, const QString& caption) {
  QMenu* m = bar->addMenu(caption);
  m->setObjectName(name);
  m->menuAction()->setObjectName(name);
  return m;
}

QToolBar* toolbar(QMainWindow& window, const char* name, const QString& title) {
  QToolBar* bar = window.addToolBar(title);
  bar->setObjectName(name);
  bar->setIconSize({24, 24});
  return bar;
}

// A tool named after its bar with its index, as the button of a control array.
QAction* tool(QToolBar* bar, int index, const QString& text, const char* icon,
              const QString& tip = {}) {
  QAction* action = bar->addAction(toolbarIcon(icon), text);
  const QString name = bar->objectName() + "_" + QString::number(index);
  action->setObjectName(name);
  // Without a tip of its own the tool's tip follows its text ("Add Node").
  if (!tip.isEmpty()) action->setToolTip(tip);
  if (QWidget* button = bar->widgetForAction(action)) button->setObjectName(name);
  return action;
}

void buildFileMenu(QMenuBar* bar, MainActions& a) {
  a.fileMenu = menu(bar, "ME_File", "&File");
  a.newArrangement = item(a.fileMenu, "ME_New", "&New...");
  a.open = item(a.fileMenu, "ME_Load", "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O));
  a.save = item(a.fileMenu, "ME_Save", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S));
  a.saveAs = item(a.fileMenu, "ME_SaveAs", "Save &As...");
  a.fileMenu->addSeparator();
  a.exportDrawing = item(a.fileMenu, "ME_ExportDrawing", "&Export Drawing...");
  a.importContour = item(a.fileMenu, "ME_ImportContour", "&Import Contour from DXF...");
  a.printData =
      item(a.fileMenu, "ME_PrintData", "&Print Data...", QKeySequence(Qt::CTRL | Qt::Key_P));
  a.plot = item(a.fileMenu, "ME_Plot", "Print &Drawing...");
  a.fileMenu->addSeparator();
  a.quit = item(a.fileMenu, "ME_Quit", "&Quit", QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void buildCheckMenu(QMenuBar* bar, MainActions& a) {
  using namespace check_mode;
  constexpr PanelCode kPlating = PanelCode::PlatingChecks;
  constexpr PanelCode kStiffeners = PanelCode::StiffenerChecks;
  a.checkMenu = menu(bar, "ME_Check", "&Check");
  QMenu* materials = a.checkMenu->addMenu("&Materials");
  materials->menuAction()->setObjectName("ME_CheckMat");
  const auto check = [&a](std::size_t i, QMenu* in, const char* name, const char* caption,
                          PanelCode panel, Long mode) {
    a.checkItems[i] = {.action = item(in, name, caption), .panel = panel, .mode = mode};
  };
  check(0, materials, "ME_CheckMatStrakes", "St&rakes", kPlating, kMaterial);
  check(1, materials, "ME_CheckMatStiffeners", "St&iffeners", kStiffeners, kMaterial);
  check(2, a.checkMenu, "ME_CheckThick", "&Thickness", kPlating, kThickness);
  QMenu* stiffeners = a.checkMenu->addMenu("&Ordinary Stiffners");
  stiffeners->menuAction()->setObjectName("ME_OrdStiff");
  check(3, stiffeners, "ME_CheckSecond", "Stiffners scantlin&g", kStiffeners, kScantling);
  check(4, stiffeners, "ME_CheckBracket", "Brack&et scantling", kStiffeners, kBracketScantling);
  check(5, stiffeners, "ME_BracketLength", "Bracket le&ngth", kStiffeners, kBracketLength);
  check(6, stiffeners, "ME_SpanRed", "Span reduc&tion", kStiffeners, kSpanReduction);
  check(7, stiffeners, "ME_stiffconn", "Stiffeners connection", kStiffeners, kConnection);
  check(8, stiffeners, "ME_SectionModulus", "Section &modulus", kStiffeners, kSectionModulus);
}

void buildToolbars(QMainWindow& window, MainActions& a) {
  a.fileBar = toolbar(window, "SS_File", "File");
  a.saveTool = tool(a.fileBar, 0, "Save", "save", "Save current section");
  a.printTool = tool(a.fileBar, 1, "Print", "print", "Print Data");
  a.exitTool = tool(a.fileBar, 2, "Exit", "exit", "Exit Korain");

  a.selectBar = toolbar(window, "SS_Select", "Zoom");
  a.zoomTool = tool(a.selectBar, 0, "Zoom", "zoom");
  a.zoomTool->setCheckable(true);
  a.noZoomTool = tool(a.selectBar, 1, "No Zoom (1:1)", "no_zoom");

  a.objectsBar = toolbar(window, "SS_Objects", "Objects");
  a.objectGroup = new QActionGroup(a.objectsBar);
  // One tool down at most; the pressed one can be released to show the display panel.
  a.objectGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  static constexpr std::array<const char*, kObjectToolCount> kIcons = {
      "bulkhead",   "nodes",   "primary_members", "ordinary_stiffeners",
      "corrugated", "strakes", "compartments"};
  for (int i = 0; i < kObjectToolCount; ++i) {
    const auto index = static_cast<std::size_t>(i);
    a.objectTools[index] = tool(a.objectsBar, i, objectToolTexts()[index], kIcons[index]);
    a.objectTools[index]->setCheckable(true);
    a.objectGroup->addAction(a.objectTools[index]);
  }

  a.addDeleteBar = toolbar(window, "SS_AddDel", "Add and delete");
  a.addTool = tool(a.addDeleteBar, 0, "Add", "add");
  a.deleteTool = tool(a.addDeleteBar, 1, "Delete", "delete");
}

}  // namespace

const std::array<const char*, kObjectToolCount>& objectToolTexts() {
  static constexpr std::array<const char*, kObjectToolCount> kTexts = {
      "Bulkhead",   "Nodes",   "Primary supporting members",      "Ordinary stiffeners",
      "Corrugated", "Strakes", "Forward and aftward compartments"};
  return kTexts;
}

MainActions buildMainActions(QMainWindow& window) {
  MainActions a;
  QMenuBar* bar = window.menuBar();
  buildFileMenu(bar, a);

  a.editMenu = menu(bar, "ME_Edit", "&Edit");
  a.undo = item(a.editMenu, "ME_EditUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z));
  a.undo->setEnabled(false);
  a.redo = item(a.editMenu, "ME_EditRedo", "&Redo", QKeySequence(Qt::CTRL | Qt::Key_Y));
  a.redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  a.redo->setEnabled(false);
  a.editMenu->addSeparator();
  a.copyDrawing = item(a.editMenu, "ME_EditCopy", "&Copy Section Drawing to clipboard");

  a.viewMenu = menu(bar, "ME_View", "&View");

  a.arrangementMenu = menu(bar, "ME_Zel", "&Bulkhead Arrangement");
  a.mainData = item(a.arrangementMenu, "ME_MainData", "&Main Data");
  a.copyBulkheads = item(a.arrangementMenu, "ME_CopyBulkheads", "Cop&y Bulkheads From...");
  a.arrangementMenu->addSeparator();
  for (int i = 0; i < kObjectToolCount; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const QString name = "ME_Obj_" + QString::number(i);
    a.objectItems[index] = item(a.arrangementMenu, "", QString("&") + objectToolTexts()[index]);
    a.objectItems[index]->setObjectName(name);
  }

  buildCheckMenu(bar, a);

  a.toolsMenu = menu(bar, "ME_Tools", "&Tools");
  a.add = item(a.toolsMenu, "ME_Add", "A&dd object", QKeySequence(Qt::Key_F12));
  a.remove = item(a.toolsMenu, "ME_Delete", "D&elete object");
  a.insert = item(a.toolsMenu, "ME_Insert", "&Insert object");
  a.toolsMenu->addSeparator();
  a.zoomItem = item(a.toolsMenu, "ME_Zoom", "&Zoom");
  a.toolsMenu->addSeparator();
  a.previousBulkhead =
      item(a.toolsMenu, "ME_PreviousPanel", "&Previous bulkhead", QKeySequence(Qt::Key_F5));
  a.nextBulkhead = item(a.toolsMenu, "ME_NextPanel", "&Next bulkhead", QKeySequence(Qt::Key_F6));

  QMenu* options = menu(bar, "ME_Option", "&Options");
  a.preferences = item(options, "ME_OptionPref", "&Preferences...");
  a.refreshDrawing =
      item(options, "ME_RefreshSection", "&Refresh drawing", QKeySequence(Qt::Key_F9));

  QMenu* help = menu(bar, "ME_Help", "&Help");
  a.manual = item(help, "ME_Manual", "Korain &Manual", QKeySequence(Qt::Key_F1));
  a.about = item(help, "ME_About", "&About ZEL...");

  buildToolbars(window, a);
  // The help pane shows what the command under the pointer does.
  for (QAction* action : window.findChildren<QAction*>()) action->setStatusTip(action->toolTip());
  return a;
}

}  // namespace korain
