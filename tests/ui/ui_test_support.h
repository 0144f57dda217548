// An editor around one panel for the panels' tests, and the example database
// opened into its session.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <memory>
#include <string>

#include "session_loading.h"
#include "app_test_support.h"
#include "editor.h"
#include "panels/panel.h"
#include "widgets/number_field.h"

namespace korain::testing {

inline std::string exampleDatabasePath() { return KORAIN_EXAMPLES "/bulk_carrier.ko2"; }

// Runs the refresh cycle on the one panel it holds and counts what was asked.
class TestEditor : public Editor {
 public:
  TestEditor() : Editor(session_, prompt_) {}

  // Opens block n of the example database (a copy of it in a scratch folder).
  void openExample(Integer blockNumber) {
    const std::string copy = scratch_.file("example.ko2");
    writeFile(copy, readFile(exampleDatabasePath()));
    openDatabase(session_, copy);
    ASSERT_TRUE(openArrangement(session_, blockNumber).found());
    session_.computeGeometry();
  }

  void setPanel(Panel* panel) { panel_ = panel; }

  void refreshAll() override {
    ++refreshAllCount;
    if (!session_.geometry().valid) session_.messages().clear();
    computeGeometry();
    refreshPanel();
    refreshMenuToolBar();
    refreshCaption();
    refreshDrawing();
  }
  void refreshPanel() override {
    if (panel_) panel_->refreshControls();
  }
  void refreshMenuToolBar() override { ++menuRefreshCount; }
  void refreshUndoMenu() override {}
  void refreshCaption() override {}
  void refreshDrawing() override {
    session_.Refreshing = false;
    ++drawingRefreshCount;
  }
  void refreshBulkheadSelector() override { ++selectorRefreshCount; }
  void refreshMessageList() override {}
  void showStatus(const std::string& text) override { status = text; }

  ScriptedPrompt& scriptedPrompt() { return prompt_; }

  int refreshAllCount = 0;
  int menuRefreshCount = 0;
  int drawingRefreshCount = 0;
  int selectorRefreshCount = 0;
  std::string status;

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

}  // namespace korain::testing
