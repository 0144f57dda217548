// An editor around one panel for the panels' tests, the example database
// opened into its session or its main window, and the widgets the tests drive.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app_test_support.h"
#include "dialogs/printer_catalogue.h"
#include "drawing_print.h"
#include "editor.h"
#include "main/fm_main.h"
#include "panels/panel.h"
#include "session_loading.h"
#include "widgets/number_field.h"

namespace korain::testing {

// The editor around one panel: the session's refreshes fill that panel.
class TestEditor : public Editor, public SessionView {
 public:
  TestEditor() : Editor(session_, prompt_) { session_.setView(this); }
  ~TestEditor() override { session_.setView(nullptr); }

  // Opens block n of the example database (a copy of it in a scratch folder).
  void openExample(Integer blockNumber) {
    const std::string copy = scratch_.file("example.ko2");
    writeFile(copy, exampleDatabase());
    openDatabase(session_, copy);
    ASSERT_TRUE(openArrangement(session_, blockNumber).found());
  }

  void setPanel(Panel* panel) { panel_ = panel; }

  void refresh(Follow follow) override {
    if (duringRefresh) duringRefresh();
    if (panel_ == nullptr) return;
    if (has(follow, Follow::Panel)) {
      panel_->refresh();
    } else if (has(follow, Follow::Rows)) {
      panel_->refreshRows();
    }
  }
  void showStatus(const std::string& text) override { statuses.push_back(text); }
  double pickTolerance() const override { return tolerance; }

  ScriptedPrompt& scriptedPrompt() { return prompt_; }

  std::vector<std::string> statuses;
  // Run at the start of every refresh, while the session has the windows filled.
  std::function<void()> duringRefresh;
  double tolerance = 0.05;  // as the drawing's default view gives it

 private:
  ScratchFolder scratch_;
  Session session_;
  ScriptedPrompt prompt_;
  Panel* panel_ = nullptr;
};

// A control of a window, found by the name the design gives it.
template <typename W>
W* control(QWidget& window, const QString& name) {
  W* widget = window.findChild<W*>(name);
  EXPECT_NE(widget, nullptr) << name.toStdString();
  return widget;
}

// Clicks a button of a window, found by its name.
inline void click(QWidget& window, const QString& name) {
  control<QAbstractButton>(window, name)->click();
}

// The editor on block 1 of the example, for the tests of its dialogs.
class ExampleTest : public ::testing::Test {
 protected:
  void SetUp() override { editor.openExample(1); }

  Session& session() { return editor.session(); }
  const Bulkhead& bulkhead() { return session().arrangement().Bulkheads.at(1); }
  const Compartment& compartment(int side) { return bulkhead().Compartments.at(side); }
  ScriptedPrompt& prompt() { return editor.scriptedPrompt(); }

  TestEditor editor;
};

// A panel in its editor on block 1 of the example, and its controls by name.
template <typename P>
class PanelTest : public ExampleTest {
 protected:
  void SetUp() override {
    editor.setPanel(&panel);
    ExampleTest::SetUp();
    session().showPanel(panel.code(), Follow::Panel);
  }

  template <typename W>
  W* find(const QString& name) {
    return control<W>(panel, name);
  }
  QString text(const QString& name) { return find<QLabel>(name)->text(); }
  QAbstractButton* button(const QString& name) { return find<QAbstractButton>(name); }

  P panel{editor};
};

// Types a value into a field and leaves it with Enter, as a user does.
inline void typeInto(CommitField& field, const QString& text) {
  field.setFocus();
  field.selectAll();
  QTest::keyClicks(&field, text);
  QTest::keyClick(&field, Qt::Key_Return);
}

// Chooses an item of a drop-down list as a user does.
inline void choose(QComboBox& list, int index) {
  list.setCurrentIndex(index);
  emit list.activated(index);
}

// The printers the print dialogs offer: one office printer whose smallest margin is 0.4 cm,
// printing drawings on square 250 mm paper, and the PDF file, on A4.
struct FakePrinters final : PrinterCatalogue {
  QStringList names() const override { return {"Office", kPdfFilePrinter}; }
  double smallestMargin(const QString& /*name*/) const override { return 0.4; }
  QPageLayout drawingLayout(const QString& name) const override {
    return drawingPageLayout(name == kPdfFilePrinter
                                 ? QPageSize(QPageSize::A4)
                                 : QPageSize(QSizeF(250, 250), QPageSize::Millimeter, "Square"));
  }
};

// Chooses the PDF file as a print dialog's printer.
inline void choosePdfFile(QWidget& dialog) {
  auto* printers = control<QComboBox>(dialog, "CB_Printer");
  printers->setCurrentIndex(printers->findText(kPdfFilePrinter));
}

// Runs `act` on the next modal window named `form` once it is shown.
inline void onNextModal(const QString& form, std::function<void(QWidget&)> act) {
  QTimer::singleShot(0, [=] {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr || window->objectName() != form) {
      onNextModal(form, act);
      return;
    }
    act(*window);
  });
}

// Runs `act` on the next modal window named `form` once it is also the active
// window: only then do Tab and clicks move the focus out of its fields.
inline void onNextActiveModal(const QString& form, std::function<void(QWidget&)> act) {
  onNextModal(form, [act](QWidget& window) {
    EXPECT_TRUE(QTest::qWaitFor([&window] { return window.isActiveWindow(); }))
        << window.objectName().toStdString();
    act(window);
  });
}

// Clicks a button of the next modal dialog named `form` once it is shown,
// after `fill` has had its go at the dialog.
inline void answerNextDialog(const QString& form, const QString& button,
                             std::function<void(QWidget&)> fill = {}) {
  onNextModal(form, [=](QWidget& dialog) {
    if (fill) fill(dialog);
    dialog.findChild<QAbstractButton*>(button)->click();
  });
}

// The text of a PDF file, as pdftotext reads it.
inline QString pdfText(const std::string& path) {
  QProcess pdftotext;
  pdftotext.start("pdftotext", {QString::fromStdString(path), "-"});
  EXPECT_TRUE(pdftotext.waitForFinished()) << path;
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The main window on block 1 of a scratch copy of the example, its bulkhead panel shown.
class MainWindowTest : public ExampleSessionTest {
 protected:
  void SetUp() override {
    ExampleSessionTest::SetUp();
    changeRun(session_, [](StartupState& run) { run.applicationTitle = "Korain"; });
    session_.showPanel(PanelCode::Bulkhead, Follow::Nothing);
    window_.show();
    window_.initialiseView();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  }

  QAction& action(const char* name) { return *control<QAction>(window_, name); }

  FM_Main window_{session_, prompt_};
};

}  // namespace korain::testing
