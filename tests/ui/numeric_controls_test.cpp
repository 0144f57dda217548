// Every number field of every panel and dialog, typed with a decimal comma and
// left each way a user leaves a field, stores the value typed, and the
// geometry and the messages follow it at once.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDialog>
#include <QTabWidget>
#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <set>

#include "configuration.h"
#include "edit/compartment_edits.h"
#include "edit/loading_edits.h"
#include "main/panel_area.h"
#include "report_settings.h"
#include "ui_test_support.h"
#include "view/forms/forms.h"

namespace korain::testing {
namespace {

using Prepare = void (*)(Session&, QWidget& form);
using Read = std::function<double(const Session&)>;

// A panel or a dialog: the menu item that shows it, after `setup`, and the
// panel's button that opens the dialog. A dialog is confirmed with its `ok`
// button; the dialog that `follows` it is cancelled.
struct Form {
  const char* name;
  const char* menu;
  const char* button = nullptr;
  const char* ok = nullptr;
  void (*setup)(Session&) = nullptr;
  Prepare prepare = nullptr;
  const char* follows = nullptr;
};

// A field, the text typed into it, where the value is read back (the
// arrangement or the configuration file), and what lets the field take typing.
struct Row {
  const Form* form;
  std::string name;
  const char* typed;
  Read read;
  Prepare prepare = nullptr;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.form->name << ' ' << row.name; }

// A click on a caption: elsewhere in the form, on a control that takes no focus.
void clickALabel(QWidget& form) {
  const QList<QLabel*> labels = form.findChildren<QLabel*>();
  const auto label = std::ranges::find_if(labels, &QLabel::isVisible);
  ASSERT_NE(label, labels.end());
  QTest::mouseClick(*label, Qt::LeftButton);
}
// Closes a dialog without the question its Cancel may ask.
void cancel(QWidget& dialog) { qobject_cast<QDialog*>(&dialog)->done(QDialog::Rejected); }

// Fields the computation fills take no typing.
void typedDimensions(Session& /*session*/, QWidget& dialog) {
  for (const char* box : {"OP_UseCalcYZ", "OP_UseCalcRoll"}) {
    if (control<QCheckBox>(dialog, box)->isChecked()) click(dialog, box);
  }
}
template <int type>
void loadType(Session& /*session*/, QWidget& dialog) {
  click(dialog, "OP_Type_" + QString::number(type));
}
void arcNode(Session& /*session*/, QWidget& panel) {
  for (int step = 0; step < 2; ++step) click(panel, "BT_Inode_1");
}
template <int tab, int... rows>
void stiffeners(Session& /*session*/, QWidget& panel) {
  choose(*control<QComboBox>(panel, "CB_Tab"), tab);
  (control<QListWidget>(panel, "LI_Stiff")->item(rows)->setSelected(true), ...);
}
// The first span's lower bracket and the last span's upper one are the
// stiffener's brackets: only a middle span has both of its own.
void middleSpan(Session& session, QWidget& panel) {
  stiffeners<4, 0>(session, panel);
  click(panel, "BT_Span_1");
}
// Without primary members every stiffener has the one span that keeps a span reduction.
void singleSpan(Session& session, QWidget& panel) {
  changeFirstBulkhead(session, [](Bulkhead& b) { b.PrimaryMembers.redim(0); });
  stiffeners<0, 0>(session, panel);
}

const Form kBh{"FM_Bh", "ME_Obj_0"};
const Form kNode{"FM_Node", "ME_Obj_1"};
const Form kPrim{"FM_Prim", "ME_Obj_2"};
const Form kSecond{"FM_Second", "ME_Obj_3"};
const Form kCorr{.name = "FM_Corr", .menu = "ME_Obj_4", .setup = [](Session& s) {
                   changeFirstBulkhead(s, [](Bulkhead& b) { b.Typ = kBulkheadCorrugated; });
                 }};
const Form kBand{"FM_Band", "ME_Obj_5"};
const Form kMainData{.name = "FM_MainData", .menu = "ME_MainData", .ok = "BT_Ok"};
const Form kNewZel{.name = "FM_NewZel", .menu = "ME_New", .ok = "BT_Ok", .follows = "FM_MainData"};
const Form kWizard{"FM_SecondWiz", "ME_Obj_3", "BT_Wizard", "BT_Ok"};
const Form kPref{.name = "FM_Pref", .menu = "ME_OptionPref", .ok = "BT_Ok"};
// Into a PDF file whose name is not given: nothing is printed.
const Form kPrint{.name = "FM_Print",
                  .menu = "ME_PrintData",
                  .ok = "BT_Ok",
                  .prepare = [](Session&, QWidget& dialog) { choosePdfFile(dialog); }};
const Form kLem{"FM_LemKora", "ME_Obj_6", "BT_Lem", "BT_Ok", nullptr, &typedDimensions};
// A JBP run's loading dialog shows the alternate loading too.
void jbpRun(Session& s) {
  changeRun(s, [](StartupState& run) { run.JbpMode = true; });
}
const Form kLcm{"FM_LcmKora", "ME_Obj_6", "BT_lcm", "BT_Ok", &jbpRun, &loadType<6>};
const Form kRes{"FM_ResKora", "ME_Obj_6", "BT_R", "BT_ok"};

// The records the rows read: of bulkhead 1 and its first compartment and
// stiffener, the header, the configuration file.
const Bulkhead& first(const Session& s) { return s.arrangement().Bulkheads.at(1); }
const Arrangement& header(const Session& s) { return s.arrangement(); }
const Node& node1(const Session& s) { return first(s).Nodes.at(1); }
const Node& node3(const Session& s) { return first(s).Nodes.at(3); }
const PrimaryMember& member(const Session& s) { return first(s).PrimaryMembers.at(1); }
const StrakeBand& band(const Session& s) { return first(s).StrakeBands.at(1); }
const Strake& strake(const Session& s) { return band(s).Strakes.at(1); }
const OrdinaryStiffener& stiffener(const Session& s) { return first(s).Stiffeners.at(1); }
const Bracket& upperBracket(const Session& s) { return stiffener(s).Brackets.at(2); }
const Scantling& scantling(const Session& s) { return stiffener(s).Scant; }
const StiffenerSpan& span2(const Session& s) { return stiffener(s).Spans.at(2); }
const Compartment& compartment(const Session& s) { return first(s).Compartments.at(1); }
PathConfig paths(const Session& s) { return readPathConfig(s.iniPath(), {}); }
DisplayConfig screen(const Session& s) {
  return readDisplayConfig(s.iniPath(), OutputDevice::Screen);
}
PageSetup page(const Session& s) { return readReportSettings(s.iniPath()).setup; }
template <auto record, auto field>
const Read at = [](const Session& s) -> double { return record(s).*field; };
template <int i>
const Read dimension = [](const Session& s) -> double { return compartment(s).Table1.at(i); };
template <int i>
const Read load =
    [](const Session& s) -> double { return loadingOf(compartment(s)).values.at(i - 1); };

// The selected stiffeners, the group the panel moves or the row the wizard
// adds: the first one's position, the spacing of the first two, their number.
template <int i>
double group(const Session& s) {
  std::vector<double> positions;
  for (const OrdinaryStiffener& k : first(s).Stiffeners) {
    if (k.Selected) positions.push_back(k.Position);
  }
  const auto size = static_cast<double>(positions.size());
  positions.resize(std::max<std::size_t>(positions.size(), 2));
  return std::array{positions[0], positions[1] - positions[0], size}.at(i);
}

template <int... entry>
std::vector<Row> dimensionRows() {
  return {{&kLem, "FTX_vcog_" + std::to_string(entry), "12,5", dimension<entry>}...};
}
template <int... value>
std::vector<Row> loadRows() {
  return {{&kLcm, "FTX_m_" + std::to_string(value), "12,5", load<value>,
           value == 4 ? &loadType<3> : nullptr}...};
}

// The number fields of a form built from its table: each reads back through its row.
template <typename Record>
void addTableRows(std::vector<Row>& rows, const Form& form, const FormTable<Record>& table) {
  for (const FormRow<Record>& row : table.rows) {
    const Control control = lookOf(row).control;
    if (control != Control::Number && control != Control::WholeNumber) continue;
    rows.push_back({&form, std::string(row.objectName),
                    control == Control::WholeNumber ? "2,0" : "12,5",
                    [&table, &row](const Session& s) {
                      return std::get<double>(storedValue(row, *table.shown(s.arrangement(), {})));
                    }});
  }
}

// "12,5", or a comma value the model keeps where 12.5 lies outside the field's
// range or the object's place; whole numbers as "2,0", which read as 20
// without the comma.
std::vector<Row> rows() {
  std::vector<Row> rows = {
      {&kNode, "FTX_m_0", "12,5", at<node1, &Node::Y>},
      {&kNode, "FTX_m_1", "12,5", at<node1, &Node::Z>},
      {&kNode, "FTX_m_2", "12,5", at<node3, &Node::ShYT>, &arcNode},
      {&kNode, "FTX_m_3", "12,5", at<node3, &Node::ShZT>, &arcNode},
      {&kNode, "FTX_m_4", "12,5", at<node3, &Node::ShR>, &arcNode},
      {&kPrim, "FTX_m", "10,5", at<member, &PrimaryMember::Position>},
      {&kSecond, "FTX_m_0", "12,5", &group<0>, &stiffeners<0, 4>},
      {&kSecond, "FTX_m_1", "1,5", &group<1>, &stiffeners<0, 4, 5>},
      {&kSecond, "FTX_Stiff_0", "12,5", at<scantling, &Scantling::H1>, &stiffeners<0, 0>},
      {&kSecond, "FTX_Stiff_1", "12,5", at<scantling, &Scantling::E1>, &stiffeners<0, 0>},
      {&kSecond, "FTX_Stiff_2", "12,5", at<scantling, &Scantling::H2>, &stiffeners<0, 0>},
      {&kSecond, "FTX_Stiff_3", "12,5", at<scantling, &Scantling::E2>, &stiffeners<0, 0>},
      {&kSecond, "FTX_Stiff_4", "1,5", at<upperBracket, &Bracket::Length>, &stiffeners<1, 0>},
      {&kSecond, "FTX_Stiff_5", "1,5", at<span2, &StiffenerSpan::LowerBracketLength>, &middleSpan},
      {&kSecond, "FTX_Stiff_6", "1,5", at<span2, &StiffenerSpan::UpperBracketLength>, &middleSpan},
      {&kSecond, "FTX_Stiff_7", "1,5", at<stiffener, &OrdinaryStiffener::SpanReduction>,
       &singleSpan},
      {&kBand, "FTX_m", "7,5", at<band, &StrakeBand::Z>},
      {&kBand, "FTX_Y", "7,5", at<strake, &Strake::Y>},
      {&kBand, "FTX_Th", "12,5", at<strake, &Strake::Th>},
      {&kNewZel, "FTX_m", "12,5", at<header, &Arrangement::X>},
      {&kWizard, "FTX_m_0", "12,5", &group<0>},
      {&kWizard, "FTX_m_1", "0,25", &group<1>},
      {&kWizard, "FTX_m_2", "2,0", &group<2>},
      {&kPref, "TX_Radius", "12,5", at<paths, &PathConfig::CircleRadius>},
      {&kPref, "TX_Mouse", "12,5", at<paths, &PathConfig::MouseTolerance>},
      {&kPref, "TX_Zoom", "12,5", at<paths, &PathConfig::ZoomFactor>},
      {&kPref, "TX_SteelDensity", "7,5", at<paths, &PathConfig::SteelDensity>},
      {&kPref, "TX_ThicknessDeduction", "1,5", at<paths, &PathConfig::ThicknessDeduction>},
      {&kPref, "TX_Panel", "12,0", at<screen, &DisplayConfig::PanelFontSize>},
      {&kPref, "TX_Node", "12,0", at<screen, &DisplayConfig::NodeFontSize>},
      {&kPref, "TX_Stiff", "12,0", at<screen, &DisplayConfig::StiffenerFontSize>},
      {&kPref, "TX_Axis", "12,0", at<screen, &DisplayConfig::AxisFontSize>},
      {&kPref, "TX_Margin", "12,0", at<screen, &DisplayConfig::Margin>},
      {&kPref, "TX_Factor", "12,5", at<screen, &DisplayConfig::ReductionFactor>},
      {&kPrint, "TX_FontSize", "12,5", at<page, &PageSetup::FontSize>},
      {&kPrint, "TX_StartPage", "2,0", at<page, &PageSetup::FirstPage>},
      {&kPrint, "TX_Margin_0", "1,5", at<page, &PageSetup::FootMargin>},
      {&kPrint, "TX_Margin_1", "2,5", at<page, &PageSetup::BottomMargin>},
      {&kPrint, "TX_Margin_2", "1,5", at<page, &PageSetup::LeftMargin>},
      {&kRes, "FTX_el", "12,5", dimension<kEffectiveLengthEntry>},
      {&kRes, "FTX_eb", "12,5", dimension<kEffectiveBreadthEntry>},
  };
  for (const std::vector<Row>& more :
       {dimensionRows<1, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19>(),
        loadRows<1, 2, 3, 4, 5, 6, 7, 8, 9, 10>()}) {
    rows.insert(rows.end(), more.begin(), more.end());
  }
  addTableRows(rows, kBh, bulkheadForm());
  addTableRows(rows, kMainData, mainDataForm());
  addTableRows(rows, kCorr, corrugationForm());
  return rows;
}

// The main window with a configuration file and a data folder of its own.
class NumericFields : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    session_.usePreferencesFile(scratch_.ini());
    changeRun(session_, [this](StartupState& run) { run.paths.DataPath = scratch_.path(); });
  }

  void open(const Form& form) {
    if (form.setup != nullptr) form.setup(session_);
    action(form.menu).trigger();
    if (form.button != nullptr) click(window_, form.button);
  }
};

enum class Way { Enter, Tab, Click, Command };

class TypedComma : public NumericFields, public ::testing::WithParamInterface<Row> {
 protected:
  const Row& row() const { return GetParam(); }
  const Form& form() const { return *row().form; }
  double typed() const { return QString(row().typed).replace(',', '.').toDouble(); }

  // A dialog is confirmed once the field is left; a field still holding its
  // text is left by the command alone: the Save tool, or the dialog's Ok.
  void leave(Way way) {
    if (form().ok == nullptr) {
      open(form());
      auto* panel = control<QWidget>(window_, form().name);
      ASSERT_NE(panel, nullptr);
      typeAndLeave(*panel, way);
    } else {
      onNextActiveModal(form().name, [this, way](QWidget& dialog) {
        typeAndLeave(dialog, way);
        if (form().follows != nullptr) answerNextDialog(form().follows, "BT_Cancel");
        click(dialog, form().ok);
        EXPECT_FALSE(dialog.isVisible()) << "Ok left the dialog open";
        if (dialog.isVisible()) cancel(dialog);
      });
      open(form());
    }
    EXPECT_EQ(row().read(session_), typed());
    expectAsComputedFromScratch(session_, form().name + (" " + row().name));
  }

  void typeAndLeave(QWidget& shown, Way way) {
    for (const Prepare prepare : {form().prepare, row().prepare}) {
      if (prepare != nullptr) prepare(session_, shown);
    }
    ASSERT_NE(row().read(session_), typed()) << "a row that changes nothing proves nothing";
    auto* field = control<NumberField>(shown, QString::fromStdString(row().name));
    ASSERT_NE(field, nullptr);
    for (QTabWidget* tabs : shown.findChildren<QTabWidget*>()) {
      for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->widget(i)->isAncestorOf(field)) tabs->setCurrentIndex(i);
      }
    }
    ASSERT_TRUE(field->isVisible() && field->isEnabled());
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, row().typed);
    if (way == Way::Enter) QTest::keyClick(field, Qt::Key_Return);
    if (way == Way::Tab) QTest::keyClick(field, Qt::Key_Tab);
    if (way == Way::Click) clickALabel(shown);
    if (way == Way::Command && form().ok == nullptr) action("SS_File_0").trigger();
  }
};

TEST_P(TypedComma, IsStoredOnEnter) { leave(Way::Enter); }
TEST_P(TypedComma, IsStoredOnTab) { leave(Way::Tab); }
TEST_P(TypedComma, IsStoredOnAClickElsewhere) { leave(Way::Click); }
TEST_P(TypedComma, IsStoredByACommandWhileTheFieldHoldsIt) { leave(Way::Command); }

std::string rowName(const ::testing::TestParamInfo<Row>& info) {
  return std::string(info.param.form->name) + "_" + info.param.name;
}
INSTANTIATE_TEST_SUITE_P(EveryNumberField, TypedComma, ::testing::ValuesIn(rows()), rowName);

// A value a dialog's field refuses, typed and left by Tab, and one it takes.
struct Refusal {
  const Form* form;
  const char* field;
  const char* typed;
  const char* said;
  const char* taken;
};

void PrintTo(const Refusal& row, std::ostream* out) { *out << row.form->name << ' ' << row.field; }

// Out of range where a range is set, else beyond what the model keeps.
const Refusal kRefusals[] = {
    {&kWizard, "FTX_m_2", "10000", "Number : a whole number from 0 to 1000", "12"},
    {&kPref, "TX_Zoom", "0", "Zoom Factor : from 1.01 to 100", "2"},
    {&kPref, "TX_SteelDensity", "0.5", "Steel density (t/m³) : from 1 to 20", "7.8"},
    {&kPref, "TX_ThicknessDeduction", "25", "Net thickness deduction (mm) : from 0 to 20", "2.5"},
    {&kPrint, "TX_StartPage", "0,5", "Start page : a whole number from 1 to 9999", "2"},
    {&kNewZel, "FTX_m", "1e99", "Longitudinal location (X from APP) : this number is too large",
     "60"},
    {&kRes, "FTX_el", "1e99", "Effective length : this number is too large", "20"},
    {&kLcm, "FTX_m_1", "1e99", "Load test height : this number is too large", "7.5"},
};

// The dialog is over the main window, whose status line nobody reads behind it.
class RefusedInADialog : public NumericFields, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusedInADialog, IsSaidInTheDialogWhileTheFieldKeepsItUntilAValueIsTaken) {
  const Refusal& row = GetParam();
  onNextActiveModal(row.form->name, [this, &row](QWidget& dialog) {
    if (row.form->prepare != nullptr) row.form->prepare(session_, dialog);
    auto& field = *control<NumberField>(dialog, row.field);
    const QLabel& line = *control<QLabel>(dialog, "LB_Refusal");
    typeInto(field, row.typed);
    QTest::keyClick(&field, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), &field);
    EXPECT_EQ(field.selectedText(), row.typed);
    EXPECT_EQ(line.text().toStdString(), row.said);
    EXPECT_EQ(control<QLabel>(window_, "PAN_State")->text().toStdString(), "");
    typeInto(field, row.taken);
    EXPECT_EQ(line.text().toStdString(), "");
    EXPECT_EQ(field.value(), QString(row.taken).toDouble());
    cancel(dialog);
  });
  open(*row.form);
}

std::string refusalName(const ::testing::TestParamInfo<Refusal>& info) {
  return std::string(info.param.form->name) + "_" + info.param.field;
}
INSTANTIATE_TEST_SUITE_P(EveryKindOfDialog, RefusedInADialog, ::testing::ValuesIn(kRefusals),
                         refusalName);

std::vector<std::string> without(const std::set<std::string>& all,
                                 const std::set<std::string>& some) {
  std::vector<std::string> rest;
  std::ranges::set_difference(all, some, std::back_inserter(rest));
  return rest;
}

// A field added to a panel or to one of the dialogs fails here until the table
// has its row, or while a refusal would name it by its object name.
TEST_F(NumericFields, EveryNumberFieldOfThePanelsAndDialogsHasItsRowAndItsCaption) {
  std::set<std::string> listed;
  std::set<const Form*> dialogs;
  for (const Row& row : rows()) {
    listed.insert(row.form->name + (" " + row.name));
    if (row.form->ok != nullptr) dialogs.insert(row.form);
  }
  std::set<std::string> found;
  std::set<std::string> unnamed;
  const auto collect = [&found, &unnamed](QWidget& window) {
    for (const NumberField* field : window.findChildren<NumberField*>()) {
      const QWidget* form = field;
      while (!form->objectName().startsWith("FM_")) form = form->parentWidget();
      const std::string name = (form->objectName() + " " + field->objectName()).toStdString();
      found.insert(name);
      if (field->caption() == field->objectName()) unnamed.insert(name);
    }
  };
  for (const int code : {0, 1, 2, 3, 4, 5, 6, 7, 12}) {
    control<PanelArea>(window_, "PanelArea")->panel(static_cast<PanelCode>(code));
  }
  collect(window_);
  for (const Form* form : dialogs) {
    onNextModal(form->name, [&collect](QWidget& dialog) {
      collect(dialog);
      cancel(dialog);
    });
    open(*form);
  }
  EXPECT_EQ(without(found, listed), std::vector<std::string>{}) << "fields without a row";
  EXPECT_EQ(without(listed, found), std::vector<std::string>{}) << "rows without a field";
  EXPECT_EQ(unnamed, std::set<std::string>{}) << "fields without a caption";
}

}  // namespace
}  // namespace korain::testing
