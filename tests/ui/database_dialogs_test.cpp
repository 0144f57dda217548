// The database dialogs driven as a user does: choosing the arrangement to open,
// where Save As writes, and where a new arrangement lies.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>
#include <QLineEdit>
#include <optional>
#include <tuple>
#include <vector>

#include "dialogs/fm_new_zel.h"
#include "dialogs/fm_save_as.h"
#include "dialogs/fm_sel_sec.h"
#include "text/format_message.h"
#include "text/string_table.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

// Each row's text and the block it stands for.
std::vector<std::string> rowsOf(QListWidget& list) {
  std::vector<std::string> rows;
  for (int i = 0; i < list.count(); ++i) {
    rows.push_back(list.item(i)->text().toStdString() + " -> " +
                   list.item(i)->data(Qt::UserRole).toString().toStdString());
  }
  return rows;
}

QPoint rowCentre(QListWidget& list, int row) {
  return list.visualItemRect(list.item(row)).center();
}

void clickRow(QListWidget& list, int row) {
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}

// Whether the picture shows anything but its white ground.
bool showsDrawing(QWidget& picture) {
  const QImage image = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
  QImage ground(image.size(), QImage::Format_RGB32);
  ground.fill(Qt::white);
  return image != ground;
}

using DatabaseDialogs = ExampleTest;

TEST_F(DatabaseDialogs, SelSecGivesTheBlockOfTheChosenRowOnly) {
  const struct {
    const char* what;
    int row;             // -1: none clicked
    const char* button;  // none: a double click on the row
    bool staysOpen;
    std::optional<Integer> block;
  } cases[] = {
      {"Ok without a row", -1, "BT_Ok", true, std::nullopt},
      {"Ok with a row", 1, "BT_Ok", false, 2},
      {"Cancel with a row", 0, "BT_Cancel", false, std::nullopt},
      {"double click", 1, nullptr, false, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FM_SelSec dialog(editor, "Open");
    dialog.show();
    QListWidget& list = *control<QListWidget>(dialog, "LI_Sections");
    if (c.row >= 0) clickRow(list, c.row);
    if (c.button != nullptr) {
      click(dialog, c.button);
    } else {
      QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, c.row));
    }
    EXPECT_EQ(dialog.isVisible(), c.staysOpen);
    EXPECT_EQ(dialog.chosenBlock(), c.block);
  }
}

TEST_F(DatabaseDialogs, SelSecListsTheArrangementsAndPreviewsAClickedRowWhileAskedTo) {
  FM_SelSec dialog(editor, "Open");
  dialog.show();
  QListWidget& list = *control<QListWidget>(dialog, "LI_Sections");
  EXPECT_EQ(control<QLabel>(dialog, "LB_Sections")->text(), "Bulkhead arr. in example.ko2 :");
  EXPECT_EQ(rowsOf(list), (std::vector<std::string>{"Hold 3 aft bulkhead -> 1",
                                                    "Hold 5 fore bulkhead (corrugated) -> 2"}));
  // The status tells of the listing while it lasts.
  EXPECT_EQ(editor.statuses,
            (std::vector<std::string>{
                formatMessage(korainStatusString(621), {session().database().DatabasePath}), {}}));
  QWidget& picture = *control<QWidget>(dialog, "PIC_Section");
  QLabel& x = *control<QLabel>(dialog, "LB_X");
  EXPECT_TRUE(control<QCheckBox>(dialog, "OP_Preview")->isChecked());
  EXPECT_FALSE(showsDrawing(picture));

  clickRow(list, 1);
  EXPECT_EQ(x.text().toStdString(), formatMessage(korainString(116), {60}));
  EXPECT_TRUE(showsDrawing(picture));

  click(dialog, "OP_Preview");
  clickRow(list, 0);
  EXPECT_EQ(x.text(), "");
  EXPECT_FALSE(showsDrawing(picture));
}

TEST_F(DatabaseDialogs, AnUnreadableDatabaseListsNothingAndSaysSo) {
  session().placeArrangement(session().database().DatabasePath + ".missing", 1);
  FM_SelSec dialog(editor, "Open");
  EXPECT_EQ(control<QListWidget>(dialog, "LI_Sections")->count(), 0);
  ASSERT_EQ(prompt().messages.size(), 1u);
  EXPECT_EQ(prompt().messages.front().rfind(korainString(1083), 0), 0u)
      << prompt().messages.front();
}

TEST(SaveAsInitialName, OffersACopyOfANamedArrangement) {
  const struct {
    std::string current;
    std::string proposed;
  } cases[] = {
      {"New Bulkhead Arrangement", "New Bulkhead Arrangement"},
      {"  new bulkhead ARRANGEMENT\t", "new bulkhead ARRANGEMENT"},
      {" Hold 3 aft bulkhead ", formatMessage(korainString(243), {"Hold 3 aft bulkhead"})},
  };
  for (const auto& c : cases) EXPECT_EQ(saveAsInitialName(c.current), c.proposed) << c.current;
}

// The choice enables one way at a time: the list of arrangements for one to replace, the name
// for a new block, which forgets a row chosen before. Replacing asks first, No by default; each
// refusal leaves the dialog open for another answer.
TEST_F(DatabaseDialogs, SaveAsOffersTheArrangementsOnlyAndOkNeedsARowToReplaceOrANewName) {
  const auto chosen = [](const FM_SaveAs& dialog) {
    return std::tuple(dialog.choice().replace, dialog.choice().block, dialog.choice().name);
  };
  const auto okRefused = [this](FM_SaveAs& dialog, std::vector<std::string> said) {
    prompt().messages.clear();
    click(dialog, "BT_Ok");
    EXPECT_EQ(prompt().messages, said);
    EXPECT_TRUE(dialog.isVisible());
  };
  FM_SaveAs dialog(editor, "Copy of Hold 3");
  dialog.show();
  QLineEdit& name = *control<QLineEdit>(dialog, "TX_Name");
  QListWidget& list = *control<QListWidget>(dialog, "LI_Sections");
  EXPECT_EQ(name.text(), "Copy of Hold 3");
  EXPECT_EQ(rowsOf(list), (std::vector<std::string>{"Hold 3 aft bulkhead -> 1",
                                                    "Hold 5 fore bulkhead (corrugated) -> 2"}));
  EXPECT_TRUE(name.isEnabled() && !list.isEnabled());
  click(dialog, "OP_Choice_1");
  EXPECT_FALSE(name.isEnabled());
  okRefused(dialog, {korainString(1017)});  // no row to replace

  clickRow(list, 1);
  prompt().answers = {Answer::No};
  okRefused(dialog, {"Replace the arrangement 'Hold 5 fore bulkhead (corrugated)' ?"});
  EXPECT_EQ(prompt().asked.at(0).defaultAnswer, Answer::No);
  EXPECT_EQ(list.selectedItems().size(), 1);  // still chosen, to answer again or change

  click(dialog, "OP_Choice_0");
  EXPECT_FALSE(list.isEnabled());
  EXPECT_TRUE(list.selectedItems().isEmpty());
  for (const QString& refused : {QString("  "), QString(" new bulkhead arrangement")}) {
    name.clear();
    QTest::keyClicks(&name, refused);
    list.setFocus();
    okRefused(dialog, {korainString(1018)});
    EXPECT_EQ(dialog.focusWidget(), &name);
  }
  name.clear();
  QTest::keyClicks(&name, " Hold 7");
  click(dialog, "BT_Ok");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(chosen(dialog), std::tuple(false, Integer{0}, std::string("Hold 7")));

  FM_SaveAs replacing(editor, "Copy of Hold 3");
  replacing.show();
  click(replacing, "OP_Choice_1");
  clickRow(*control<QListWidget>(replacing, "LI_Sections"), 1);
  prompt().answers = {Answer::Yes};
  click(replacing, "BT_Ok");
  EXPECT_EQ(replacing.result(), QDialog::Accepted);
  EXPECT_EQ(chosen(replacing), std::tuple(true, Integer{2}, std::string()));
}

TEST(NewZelCaption, IsTheMenuCaptionWithoutItsAccessKeys) {
  EXPECT_EQ(newZelCaption("&New..."), "New... Bulkhead Arrangement");
  EXPECT_EQ(newZelCaption("Save && &Go"), "Save & Go Bulkhead Arrangement");
}

// Direct input at half the ship's length is offered first; what X typed there gives is the
// number field table's to check.
TEST_F(DatabaseDialogs, NewZelBuildsTheArrangementFromTheChosenSection) {
  FM_NewZel dialog(editor, "&New...");
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "New... Bulkhead Arrangement");
  QListWidget& list = *control<QListWidget>(dialog, "LI_Sections");
  QWidget& picture = *control<QWidget>(dialog, "PIC_Section");
  NumberField& x = *control<NumberField>(dialog, "FTX_m");
  EXPECT_EQ(rowsOf(list), (std::vector<std::string>{"Midship section Fr 120 -> 3",
                                                    "Fore peak section Fr 215 -> 4"}));
  EXPECT_TRUE(list.selectedItems().isEmpty());
  EXPECT_TRUE(control<QAbstractButton>(dialog, "OP_BasedOn_0")->isChecked());
  EXPECT_EQ(x.text(), numberFieldText(session().ship().L / 2.0));

  // Choosing to build from a section chooses its first row.
  click(dialog, "OP_BasedOn_1");
  ASSERT_EQ(list.selectedItems().size(), 1);
  EXPECT_EQ(list.selectedItems().front()->text(), "Midship section Fr 120");
  EXPECT_EQ(x.text(), numberFieldText(88.5));
  EXPECT_TRUE(showsDrawing(picture));

  // Direct input forgets the section, and another row chooses the section again.
  click(dialog, "OP_BasedOn_0");
  EXPECT_TRUE(list.selectedItems().isEmpty());
  EXPECT_FALSE(showsDrawing(picture));
  EXPECT_EQ(x.text(), numberFieldText(session().ship().L / 2.0));
  clickRow(list, 1);
  EXPECT_TRUE(control<QAbstractButton>(dialog, "OP_BasedOn_1")->isChecked());
  EXPECT_EQ(x.text(), numberFieldText(168));

  // A double click, whose first click chooses the row, acts as Ok; what the import
  // builds is its own rule, tested in the core.
  clickRow(list, 0);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.arrangement().Name, "Bulkhead from Midship section Fr 120");
  EXPECT_EQ(dialog.arrangement().X, 88.5F);
  EXPECT_TRUE(dialog.importMessages().texts().empty());
}

// Without a section, or with one the import refuses, the dialog stays and the
// session's arrangement is left as it was. What a section that imports leaves for
// the message list is the main window's test.
TEST_F(DatabaseDialogs, NewZelStaysOpenUntilASectionImports) {
  const std::string sections = KORAIN_TEST_DATA "/hand_sections.ko2";
  openDatabase(session(), sections);
  const Arrangement before = session().arrangement();
  FM_NewZel dialog(editor, "&New...");
  dialog.show();
  QListWidget& list = *control<QListWidget>(dialog, "LI_Sections");
  click(dialog, "OP_BasedOn_1");
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(list, 0));
  ASSERT_TRUE(list.selectedItems().isEmpty());
  click(dialog, "BT_Ok");
  clickRow(list, 2);
  click(dialog, "BT_Ok");
  EXPECT_EQ(
      prompt().messages,
      (std::vector<std::string>{"Please select a valid section",
                                "Section Empty section Fr 10 has no compartment.\rImport failed"}));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(session().arrangement() == before);
}

}  // namespace
}  // namespace korain::testing
