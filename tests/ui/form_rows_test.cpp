// Every row of every form table, tried in its panel or dialog as a user does:
// its control carries the row's name, caption, unit and range; a value within
// the range is stored in the row's field as one change under the row's undo
// label; a number outside it is refused where it was typed, with no undo level.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "edit/compartment_edits.h"
#include "edit/stiffener_edits.h"
#include "geometry/contour_arc.h"
#include "ui_test_support.h"
#include "view/forms/forms.h"

namespace korain::testing {
namespace {

// Where a form is shown: the action that shows it, a dialog's Ok button (none
// for a panel), and what the example must hold for every row to be enabled.
struct FormSite {
  const char* name;
  const char* menu;
  const char* ok = nullptr;
  void (*setup)(Session&) = nullptr;
};

const FormSite kBulkhead{.name = "FM_Bh", .menu = "ME_Obj_0", .setup = [](Session& s) {
                           changeFirstBulkhead(
                               s, [](Bulkhead& b) { b.Stool1Enabled = b.Stool2Enabled = true; });
                         }};
const FormSite kCompartment{.name = "FM_Comp", .menu = "ME_Obj_6"};
const FormSite kMainData{.name = "FM_MainData", .menu = "ME_MainData", .ok = "BT_Ok"};
const FormSite kCorrugation{.name = "FM_Corr", .menu = "ME_Obj_4", .setup = [](Session& s) {
                              changeFirstBulkhead(s,
                                                  [](Bulkhead& b) { b.Typ = kBulkheadCorrugated; });
                            }};

// The first stiffener selected alone, a tee with both its brackets and a
// middle span of its own scantling, on a tab of the panel; with `oneSpan`,
// the bulkhead has no primary member, so the stiffener has one span, which
// alone keeps a span reduction.
template <StiffenerTab tab, bool oneSpan = false>
void firstStiffenerOn(Session& s) {
  changeFirstBulkhead(s, [](Bulkhead& b) {
    if (oneSpan) b.PrimaryMembers.redim(0);
    for (OrdinaryStiffener& k : b.Stiffeners) k.Selected = false;
    OrdinaryStiffener& first = b.Stiffeners.at(1);
    first.Selected = true;
    first.Scant.Typ = kTeeProfile;
    for (Bracket& bracket : first.Brackets) bracket.Enabled = true;
    if (first.Spans.inBounds(2)) first.Spans.at(2).HasScantling = true;
    b.CurSpan = oneSpan ? 1 : 2;
  });
  s.setSubView(static_cast<Long>(tab), Follow::Nothing);
}
const FormSite kStiffener{
    .name = "FM_Second", .menu = "ME_Obj_3", .setup = firstStiffenerOn<StiffenerTab::Scantling>};
const FormSite kBracket{
    .name = "FM_Second", .menu = "ME_Obj_3", .setup = firstStiffenerOn<StiffenerTab::UpperBracket>};
const FormSite kOneSpan{.name = "FM_Second",
                        .menu = "ME_Obj_3",
                        .setup = firstStiffenerOn<StiffenerTab::Scantling, true>};
const FormSite kSpanScantling{.name = "FM_Second",
                              .menu = "ME_Obj_3",
                              .setup = firstStiffenerOn<StiffenerTab::SpanScantling>};
const FormSite kSpanBracket{
    .name = "FM_Second", .menu = "ME_Obj_3", .setup = firstStiffenerOn<StiffenerTab::SpanBracket>};
// The second node, an arc, so that its circle data are shown and its curve can change.
const FormSite kNode{.name = "FM_Node", .menu = "ME_Obj_1", .setup = [](Session& s) {
                       changeFirstBulkhead(s, [](Bulkhead& b) {
                         b.CurNode = 2;
                         b.Nodes.at(2).ShCur = kCurveArc;
                         b.Nodes.at(2).ShR = 100;
                       });
                     }};
const FormSite kMember{.name = "FM_Prim", .menu = "ME_Obj_2"};
const FormSite kBands{.name = "FM_Band", .menu = "ME_Obj_5"};

struct RowCase {
  const FormSite* site;
  FormRowLook look;
  std::string_view undoLabel;
  std::function<RowState(const Session&)> state;
};

void PrintTo(const RowCase& c, std::ostream* out) {
  *out << c.site->name << ' ' << c.look.objectName;
}

// The stiffener's profile type is chosen by a strip of tools, which its
// panel's own test clicks; every other row is a control the binder builds.
bool builtByTheBinder(std::string_view objectName) { return objectName != "SS_type"; }

// The rows of a table shown on a site; `only` picks some of them.
template <typename Record>
void addRows(std::vector<RowCase>& cases, const FormSite& site, const FormTable<Record>& table,
             FormPlace place = {}, std::initializer_list<std::string_view> only = {}) {
  for (const FormRow<Record>& row : table.rows) {
    if (!builtByTheBinder(row.objectName)) continue;
    if (only.size() > 0 && std::ranges::find(only, row.objectName) == only.end()) continue;
    cases.push_back({&site, lookOf(row), row.undoLabel, [&table, &row, place](const Session& s) {
                       return tableRowState(table, row, s.arrangement(), place);
                     }});
  }
}

std::vector<RowCase> everyRow() {
  std::vector<RowCase> cases;
  addRows(cases, kMainData, mainDataForm());
  addRows(cases, kBulkhead, bulkheadForm());
  addRows(cases, kCompartment, compartmentForm(), {.side = kForwardCompartment});
  addRows(cases, kCorrugation, corrugationForm());
  addRows(cases, kStiffener, stiffenerScantlingForm(), {.tab = 0});
  addRows(cases, kStiffener, stiffenerForm(), {.tab = 0}, {"CB_Mat", "CB_typeConn"});
  addRows(cases, kOneSpan, stiffenerForm(), {.tab = 0}, {"FTX_Stiff_7"});
  addRows(cases, kBracket, stiffenerBracketForm(), {.tab = 1});
  addRows(cases, kSpanScantling, stiffenerSpanForm(), {.tab = 3}, {"CB_Mat", "OP_Span"});
  addRows(cases, kSpanBracket, stiffenerSpanForm(), {.tab = 4}, {"FTX_Stiff_5", "FTX_Stiff_6"});
  addRows(cases, kNode, nodeForm());
  addRows(cases, kMember, memberForm());
  addRows(cases, kBands, bandForm());
  addRows(cases, kBands, strakeForm());
  return cases;
}

bool isNumber(Control control) {
  return control == Control::Number || control == Control::WholeNumber;
}

// A number the row takes that differs from the one it shows.
double numberWithin(const RowState& state, bool whole) {
  const double shown = std::get<double>(*state.value);
  const FormRange& r = state.range;
  double value = std::isfinite(r.maximum - r.minimum) && r.maximum < 1e30
                     ? (r.minimum + r.maximum) / 2
                     : std::max(shown, r.minimum) + 1;
  if (whole) value = std::round(value);
  return value == shown ? value + (r.holds(value + 1) ? 1 : -1) : value;
}

// A number just outside the row's range; for a row that takes any, one too
// large for the field to keep.
double numberOutside(const FormRange& range) {
  if (range.minimum > -1e30) return range.minimum - 1;
  if (range.maximum < 1e30) return range.maximum + 1;
  return 1e99;
}

// A number is kept as its field's type keeps it: a Single holds 9.9 as 9.8999996.
void expectStored(const std::optional<FormValue>& stored, const FormValue& expected) {
  ASSERT_TRUE(stored.has_value());
  if (const auto* number = std::get_if<double>(&expected)) {
    EXPECT_NEAR(std::get<double>(*stored), *number, 1e-6 * std::max(1.0, std::abs(*number)));
  } else {
    EXPECT_EQ(*stored, expected);
  }
}

// A control is captioned by the label whose buddy it is, by the label of the
// pair it is the second of (a web's height and thickness), or by its group's title.
bool isCaptioned(QWidget& form, QWidget& control, std::string_view caption) {
  const auto captions = [&](const QLabel* l) {
    if (l->text().toStdString() != caption || l->buddy() == nullptr) return false;
    return l->buddy() == &control ||
           (l->buddy()->parentWidget() == control.parentWidget() && l->buddy()->y() == control.y());
  };
  if (std::ranges::any_of(form.findChildren<QLabel*>(), captions)) return true;
  for (QWidget* w = control.parentWidget(); w != nullptr; w = w->parentWidget()) {
    if (auto* group = qobject_cast<QGroupBox*>(w);
        group && group->title().toStdString() == caption) {
      return true;
    }
  }
  return false;
}

class EveryRow : public MainWindowTest, public ::testing::WithParamInterface<RowCase> {
 protected:
  const RowCase& row() const { return GetParam(); }
  QString name() const { return QString::fromUtf8(row().look.objectName.data()); }

  void SetUp() override {
    MainWindowTest::SetUp();
    if (row().site->setup != nullptr) row().site->setup(session_);
  }

  // Shows the form and acts on it; a dialog is closed afterwards unless its Ok closed it.
  void onForm(const std::function<void(QWidget&)>& act) {
    if (row().site->ok == nullptr) {
      action(row().site->menu).trigger();
      act(*control<QWidget>(window_, row().site->name));
      return;
    }
    onNextActiveModal(row().site->name, [&act](QWidget& dialog) {
      act(dialog);
      if (dialog.isVisible()) qobject_cast<QDialog*>(&dialog)->reject();
    });
    action(row().site->menu).trigger();
  }

  void expectLooksAsItsRow(QWidget& form, QWidget& control) {
    const FormRowLook& look = row().look;
    if (look.control == Control::Tick) {
      EXPECT_EQ(qobject_cast<QAbstractButton*>(&control)->text().toStdString(), look.caption);
    } else {
      EXPECT_TRUE(isCaptioned(form, control, look.caption)) << "caption";
    }
    if (!look.unit.empty()) {
      EXPECT_TRUE(std::ranges::any_of(form.findChildren<QLabel*>(), [&](const QLabel* l) {
        const std::string text = l->text().toStdString();
        return text == look.unit ||
               text.find("(" + std::string(look.unit) + ")") != std::string::npos;
      })) << "unit";
    }
    if (auto* field = qobject_cast<NumberField*>(&control)) {
      const RowState state = row().state(session_);
      EXPECT_EQ(field->minimum(), state.range.minimum);
      EXPECT_EQ(field->maximum(), state.range.maximum);
      EXPECT_EQ(field->toolTip(),
                field->rangeText().isEmpty()
                    ? QString()
                    : field->rangeText() + (look.unit.empty() ? "" : " ") +
                          QString::fromUtf8(look.unit.data(), std::ssize(look.unit)));
    }
  }

  // Gives the control a value its row takes; the value the field must then hold.
  FormValue enter(QWidget& control) {
    const RowState state = row().state(session_);
    switch (row().look.control) {
      case Control::Tick:
        qobject_cast<QAbstractButton*>(&control)->click();
        return !std::get<bool>(*state.value);
      case Control::Text: {
        const std::string text = std::get<std::string>(*state.value) == "Tank" ? "Hold" : "Tank";
        typeInto(*qobject_cast<CommitField*>(&control), QString::fromStdString(text));
        return text;
      }
      case Control::Choice: {
        auto& list = *qobject_cast<QComboBox*>(&control);
        const int index = (list.currentIndex() + 1) % list.count();
        choose(list, index);
        return static_cast<double>(index + row().look.firstCode);
      }
      case Control::Tools: {
        // The first tool that sets a code other than the one shown.
        const std::span<const FormTool> tools = row().look.tools;
        const auto shown = static_cast<Long>(std::get<double>(*state.value));
        for (std::size_t t = 0; t < tools.size(); ++t) {
          if (!tools[t].code || *tools[t].code == shown) continue;
          control.findChild<QAbstractButton*>(name() + QString("_%1").arg(t))->click();
          return static_cast<double>(*tools[t].code);
        }
        return {};
      }
      case Control::Number:
      case Control::WholeNumber: {
        const double value = numberWithin(state, row().look.control == Control::WholeNumber);
        typeInto(*qobject_cast<NumberField*>(&control), numberFieldText(value));
        return value;
      }
    }
    return {};
  }

  void confirm(QWidget& form) {
    if (row().site->ok != nullptr) click(form, row().site->ok);
  }
};

TEST_P(EveryRow, ShowsItsRowAndStoresAValueItTakesAsOneChange) {
  FormValue expected;
  const std::size_t levels = session_.edited().undoLevels();
  onForm([&](QWidget& form) {
    auto* control = form.findChild<QWidget*>(name());
    ASSERT_NE(control, nullptr) << "no control of that name";
    expectLooksAsItsRow(form, *control);
    ASSERT_TRUE(row().state(session_).enabled);
    expected = enter(*control);
    confirm(form);
  });
  expectStored(row().state(session_).value, expected);
  EXPECT_EQ(session_.undoLabel(), row().undoLabel);
  EXPECT_EQ(session_.edited().undoLevels(), levels + 1);
  expectAsComputedFromScratch(session_, name().toStdString());
}

using EveryNumberRow = EveryRow;

TEST_P(EveryNumberRow, RefusesANumberOutsideItsRangeWhereItWasTyped) {
  onForm([&](QWidget& form) {
    const RowState before = row().state(session_);
    const std::size_t levels = session_.edited().undoLevels();
    auto& field = *control<NumberField>(form, name());
    typeInto(field, QString::number(numberOutside(before.range)));
    confirm(form);
    EXPECT_TRUE(field.holdsRefusal());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(row().state(session_), before);
    EXPECT_EQ(session_.edited().undoLevels(), levels);
  });
}

std::string caseName(const ::testing::TestParamInfo<RowCase>& info) {
  return std::string(info.param.site->name) + "_" + std::to_string(info.index) + "_" +
         std::string(info.param.look.objectName);
}
INSTANTIATE_TEST_SUITE_P(OfEveryForm, EveryRow, ::testing::ValuesIn(everyRow()), caseName);

std::vector<RowCase> everyNumberRow() {
  std::vector<RowCase> numbers;
  std::ranges::copy_if(everyRow(), std::back_inserter(numbers),
                       [](const RowCase& c) { return isNumber(c.look.control); });
  return numbers;
}
INSTANTIATE_TEST_SUITE_P(OfEveryForm, EveryNumberRow, ::testing::ValuesIn(everyNumberRow()),
                         caseName);

}  // namespace
}  // namespace korain::testing
