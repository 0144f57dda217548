// The tour of the editor: every panel and dialog opened by its own command and taken.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tour.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <array>
#include <memory>
#include <string>

#include "main/about_box.h"
#include "main/fm_load.h"
#include "main/fm_main.h"
#include "quiet_prompt.h"
#include "session.h"
#include "session_loading.h"

namespace korain::pictures {
namespace {

// The example's blocks: a plate bulkhead with compartments, a corrugated one.
constexpr Integer kPlateBulkhead = 1;
constexpr Integer kCorrugatedBulkhead = 2;

template <typename W>
W& child(QWidget& parent, const char* name) {
  W* widget = parent.findChild<W*>(name);
  if (widget == nullptr) qFatal("%s has no %s", qPrintable(parent.objectName()), name);
  return *widget;
}

// Takes each page of the dialog's tabs in turn, NAME_1.png for the second page on.
void takePages(Camera& camera, QDialog& dialog, const QString& name) {
  auto& tabs = *dialog.findChild<QTabWidget*>();
  for (int page = 1; page < tabs.count(); ++page) {
    tabs.setCurrentIndex(page);
    camera.take(dialog, name + "_" + QString::number(page));
  }
  dialog.reject();
}

class Tour {
 public:
  Tour(Session& session, Camera& camera) : session_(session), camera_(camera) {}

  void run() {
    splashAndAbout();
    startDialogs();
    panels();
    compartmentDialogs();
    checks();
    printing();
    corrugation();
    messagesWindow();
  }

 private:
  QAction& action(const char* name) { return child<QAction>(window_, name); }
  void press(const char* name) { action(name).trigger(); }

  void show(Integer block) {
    if (!openArrangement(session_, block).found())
      qFatal("the example has no block %d", static_cast<int>(block));
    window_.initialiseView();
  }

  void splashAndAbout() {
    FM_Load splash("Korain");
    camera_.take(splash, "splash");
    const std::unique_ptr<QDialog> about(makeAboutBox(&window_, "Korain", false));
    camera_.take(*about, "about");
  }

  void startDialogs() {
    show(kPlateBulkhead);
    window_.show();
    press("SS_Objects_0");
    camera_.take(window_, "main_window");
    camera_.take(*window_.actions().fileMenu, "file_menu");
    camera_.take(*window_.menuBar()->findChild<QMenu*>("ME_Help"), "help_menu");
    camera_.takeModal(
        "FM_SelSec", "open_arrangement", [this] { press("ME_Load"); },
        [this](QDialog& dialog) {
          auto& list = child<QListWidget>(dialog, "LI_Sections");
          list.setCurrentRow(0);
          camera_.take(dialog, "open_arrangement_preview");
          dialog.reject();
        });
    camera_.takeModal(
        "FM_NewZel", "new_arrangement", [this] { press("ME_New"); },
        [this](QDialog& dialog) {
          child<QRadioButton>(dialog, "OP_BasedOn_1").click();
          auto& list = child<QListWidget>(dialog, "LI_Sections");
          list.setCurrentRow(0);
          camera_.take(dialog, "new_from_section");
          dialog.reject();
        });
    camera_.takeModal(
        "FM_MainData", "main_data", [this] { press("ME_MainData"); },
        [this](QDialog& dialog) { takePages(camera_, dialog, "main_data"); });
    camera_.takeModal("FM_SaveAs", "save_as", [this] { press("ME_SaveAs"); });
    camera_.takeModal(
        "FM_Pref", "preferences", [this] { press("ME_OptionPref"); },
        [this](QDialog& dialog) { takePages(camera_, dialog, "preferences"); });
  }

  // Each object tool shows its panel beside the drawing.
  void panels() {
    static constexpr std::array<const char*, 6> kPanels = {
        "bulkhead_panel",   "nodes_panel", "primary_members_panel",
        "stiffeners_panel", nullptr,       "strakes_panel"};
    for (std::size_t tool = 0; tool < kPanels.size(); ++tool) {
      if (kPanels.at(tool) == nullptr) continue;
      press(("SS_Objects_" + std::to_string(tool)).c_str());
      camera_.take(window_, kPanels.at(tool));
    }
    press("SS_Objects_3");
    auto& panel = child<QWidget>(window_, "FM_Second");
    camera_.takeModal("FM_SecondWiz", "stiffener_wizard",
                      [&panel] { child<QAbstractButton>(panel, "BT_Wizard").click(); });
    // The span brackets act on a selection: the first three stiffeners.
    auto& stiffeners = child<QListWidget>(panel, "LI_Stiff");
    for (int row = 0; row < 3; ++row) stiffeners.item(row)->setSelected(true);
    camera_.takeModal("FM_SpanBrackets", "span_brackets",
                      [&panel] { child<QAbstractButton>(panel, "BT_SpanBrackets").click(); });
    // Releasing the pressed tool shows the display options.
    press("SS_Objects_3");
    camera_.take(window_, "display_panel");
  }

  void compartmentDialogs() {
    press("SS_Objects_6");
    camera_.take(window_, "compartments_panel");
    auto& panel = child<QWidget>(window_, "FM_Comp");
    const auto open = [&panel](const char* button) {
      return [&panel, button] { child<QAbstractButton>(panel, button).click(); };
    };
    camera_.takeModal("FM_LemKora", "compartment_dimensions", open("BT_Lem"));
    camera_.takeModal("FM_LcmKora", "compartment_loading", open("BT_lcm"));
    camera_.takeModal("FM_ResKora", "compartment_resonance", open("BT_R"));
  }

  void checks() {
    press("ME_CheckThick");
    camera_.take(window_, "check_thickness");
    press("ME_CheckSecond");
    camera_.take(window_, "check_stiffeners");
    press("ME_SectionModulus");
    camera_.take(window_, "check_section_modulus");
  }

  void printing() {
    camera_.takeModal("FM_PrintScreen", "report_preview", [this] {
      camera_.takeModal(
          "FM_Print", "print_data", [this] { press("ME_PrintData"); },
          [](QDialog& dialog) { child<QAbstractButton>(dialog, "BT_Preview").click(); });
    });
    camera_.takeModal("FM_Preview", "drawing_preview", [this] {
      camera_.takeModal(
          "FM_Cartouche", "print_drawing", [this] { press("ME_Plot"); },
          [](QDialog& dialog) {
            child<QCheckBox>(dialog, "OP_Preview").setChecked(true);
            child<QAbstractButton>(dialog, "BT_Ok").click();
          });
    });
  }

  void corrugation() {
    show(kCorrugatedBulkhead);
    // An object tool leaves the check view; the corrugated bulkhead's own tool follows.
    press("SS_Objects_0");
    press("SS_Objects_4");
    camera_.take(window_, "corrugation_panel");
  }

  // A bulkhead just added, without its contour yet, lists its errors first,
  // in a window tall enough to give the list room below the panel.
  void messagesWindow() {
    window_.resize(1280, 1000);
    show(kPlateBulkhead);
    press("SS_Objects_0");
    press("SS_AddDel_0");
    window_.setMessagesWindowPlace({.shown = true, .side = DockSide::Bottom, .size = 300});
    QApplication::processEvents();
    auto& order = child<QComboBox>(window_, "CB_MessageOrder");
    order.setCurrentIndex(order.findText("Errors first"));
    camera_.take(window_, "messages_window");
    press("ME_Messages");
  }

  Session& session_;
  Camera& camera_;
  QuietPrompt prompt_;
  FM_Main window_{session_, prompt_};
};

}  // namespace

void tourEditor(const std::string& database, const std::string& iniPath, Camera& camera) {
  Session session;
  session.usePreferencesFile(iniPath);
  StartupState run = session.run();
  run.applicationTitle = "Korain";
  session.startRun(std::move(run));
  openDatabase(session, database);
  Tour(session, camera).run();
}

}  // namespace korain::pictures
