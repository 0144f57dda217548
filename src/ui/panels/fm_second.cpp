// The ordinary stiffeners panel: its controls, how they show the selected
// stiffeners, and how each change goes to every selected stiffener.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_second.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelection>
#include <QPushButton>
#include <QSizePolicy>
#include <optional>

#include "checks/stiffener_rows.h"
#include "dialogs/fm_second_wiz.h"
#include "dialogs/fm_span_brackets.h"
#include "edit/paste_edits.h"
#include "edit/selection_edits.h"
#include "model/codes.h"
#include "panels/step_buttons.h"
#include "ship/ship_queries.h"
#include "view/forms/forms.h"
#include "view/property_texts.h"
#include "view/stiffener_panel_state.h"
#include "widgets/material_list.h"
#include "widgets/table_clipboard.h"

namespace korain {
namespace {

constexpr char kPositionChange[] = "Ordinary stiffener position change";
constexpr char kPastePositions[] = "Paste stiffener positions";

// The type tools in their order on the toolbar, with the profile code each
// stands for.
struct TypeTool {
  const char* caption;
  Long code;
};
constexpr std::array<TypeTool, 5> kTypeTools = {{{"Flat", kFlatProfile},
                                                 {"Bulb", kBulbProfile},
                                                 {"Angle", kAngleProfile},
                                                 {"T bar", kTeeProfile},
                                                 {"Null", kNullProfile}}};

// The property of a type tool that holds the profile code it stands for.
constexpr char kProfileCode[] = "profileCode";

constexpr std::array<const char*, 5> kTabTexts = {"Stiff. scantling", "Stiff. upper bracket",
                                                  "Stiff. lower bracket", "by span scantling",
                                                  "by span bracket"};

QWidget* keepPlaceWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
  return widget;
}

// The material list edits the stiffener's material, or on the span scantling
// tab that of the span in the current interval.
template <typename Visit>
auto withMaterialRow(FormPlace place, Visit visit) {
  if (stiffenerTabOf(place.tab) == StiffenerTab::SpanScantling) {
    return visit(stiffenerSpanForm(), *rowNamed(stiffenerSpanForm(), "CB_Mat"));
  }
  return visit(stiffenerForm(), *rowNamed(stiffenerForm(), "CB_Mat"));
}

}  // namespace

FM_Second::FM_Second(Editor& editor, QWidget* parent)
    : Panel(editor, PanelCode::OrdinaryStiffeners, SelectorUse::Shown, parent) {
  setObjectName("FM_Second");
  buildControls();
}

void FM_Second::buildControls() {
  controls_ = new QWidget(this);
  auto* layout = new QVBoxLayout(controls_);
  layout->setContentsMargins(0, 0, 0, 0);
  body()->addWidget(controls_);
  binder_ = new FormBinder(editor(), *controls_);
  binder_->setAsk(
      [this](std::string_view name, FormValue value) { return askBefore(name, std::move(value)); });

  list_ = new QListWidget(controls_);
  list_->setObjectName("LI_Stiff");
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  list_->setMinimumHeight(140);
  list_->setUniformItemSizes(true);
  layout->addWidget(list_);
  connect(list_, &QListWidget::itemSelectionChanged, this, &FM_Second::listSelectionChanged);
  TableClipboard::attach(
      *list_, [this] { return copiedStiffenerPositions(); },
      [this](const QString& text) { pasteStiffenerPositions(text); });

  tabs_ = new QComboBox(controls_);
  tabs_->setObjectName("CB_Tab");
  for (const char* text : kTabTexts) tabs_->addItem(text);
  layout->addWidget(tabs_);
  connect(tabs_, &QComboBox::activated, this, &FM_Second::tabChosen);

  layout->addLayout(buildGroupRow());

  for (QGroupBox* group : {buildScantlingGroup(), buildMaterialGroup(), buildBracketGroup(),
                           buildSpanGroup(), buildSpanBracketGroup(), buildConnectionGroup()}) {
    layout->addWidget(group);
  }

  auto* wizard = new QPushButton("Stiffener Wi&zard...", controls_);
  wizard->setObjectName("BT_Wizard");
  layout->addWidget(wizard);
  connect(wizard, &QPushButton::clicked, this, [this] {
    FM_SecondWiz dialog(editor(), this);
    dialog.exec();
  });
  layout->addWidget(buildSpanBracketsButton());
}

// The brackets at both ends of a span in one step, for the selected stiffeners
// in the current interval.
QPushButton* FM_Second::buildSpanBracketsButton() {
  spanBrackets_ = new QPushButton("Brackets at span ends...", controls_);
  spanBrackets_->setObjectName("BT_SpanBrackets");
  connect(spanBrackets_, &QPushButton::clicked, this, [this] {
    FM_SpanBrackets dialog(editor(), this);
    dialog.exec();
  });
  return spanBrackets_;
}

// The group's position and spacing side by side: they move the selected
// stiffeners together, no field of one of them.
QLayout* FM_Second::buildGroupRow() {
  auto* grid = new QGridLayout;
  position_ = new NumberField(controls_);
  position_->setObjectName("FTX_m_0");
  axis_ = new QLabel("&Y :", controls_);
  axis_->setObjectName("LB_yz");
  axis_->setBuddy(position_);
  spacing_ = new NumberField(controls_);
  spacing_->setObjectName("FTX_m_1");
  auto* spacingCaption = new QLabel("&Spacing :", controls_);
  spacingCaption->setBuddy(spacing_);
  grid->addWidget(axis_, 0, 0);
  grid->addWidget(position_, 0, 1);
  grid->addWidget(new QLabel("m", controls_), 0, 2);
  grid->addWidget(spacingCaption, 0, 3);
  grid->addWidget(spacing_, 0, 4);
  grid->addWidget(new QLabel("m", controls_), 0, 5);
  connect(position_, &NumberField::committed, this, &FM_Second::positionCommitted);
  connect(spacing_, &NumberField::committed, this, &FM_Second::spacingCommitted);
  return grid;
}

// The type tools, each standing for its profile code.
QWidget* FM_Second::buildTypeTools() {
  auto* toolbar = new QWidget(scantling_);
  toolbar->setObjectName("SS_type");
  auto* row = new QHBoxLayout(toolbar);
  row->setContentsMargins(0, 0, 0, 0);
  for (std::size_t i = 0; i < kTypeTools.size(); ++i) {
    auto* tool = new QToolButton(toolbar);
    tool->setObjectName(QString("SS_type_%1").arg(i));
    tool->setText(kTypeTools[i].caption);
    tool->setCheckable(true);
    tool->setProperty(kProfileCode, static_cast<int>(kTypeTools[i].code));
    keepPlaceWhenHidden(tool);
    row->addWidget(tool);
    connect(tool, &QToolButton::clicked, this, [this, i] { typePressed(kTypeTools[i].code); });
  }
  typeTools_ = toolbar;
  row->addStretch(1);
  return toolbar;
}

QGroupBox* FM_Second::buildScantlingGroup() {
  scantling_ = new QGroupBox("Scantling", controls_);
  scantling_->setObjectName("PIC_Scant");
  auto* grid = new QGridLayout(scantling_);
  typeCaption_ = new QLabel("Type :", scantling_);
  grid->addWidget(typeCaption_, 0, 0);
  grid->addWidget(buildTypeTools(), 0, 1, 1, 2);
  // The height and the thickness of the web, then of the flange, share a caption.
  const FormTable<Scantling>& table = stiffenerScantlingForm();
  struct Pair {
    const char* caption;
    const char* height;
    const char* thickness;
  };
  int line = 1;
  for (const Pair& pair : {Pair{"&Web (mm)", "FTX_Stiff_0", "FTX_Stiff_1"},
                           Pair{"Fl&ange (mm)", "FTX_Stiff_2", "FTX_Stiff_3"}}) {
    auto* caption = new QLabel(pair.caption, scantling_);
    QWidget* height = binder_->addControl(table, pair.height);
    caption->setBuddy(height);
    grid->addWidget(caption, line, 0);
    grid->addWidget(height, line, 1);
    grid->addWidget(binder_->addControl(table, pair.thickness), line, 2);
    ++line;
  }
  return scantling_;
}

QGroupBox* FM_Second::buildMaterialGroup() {
  material_ = new QGroupBox(controls_);
  material_->setObjectName("PIC_Mat");
  auto* grid = new QGridLayout(material_);
  materials_ = new QComboBox(material_);
  materials_->setObjectName("CB_Mat");
  auto* caption = new QLabel("&Material", material_);
  caption->setBuddy(materials_);
  grid->addWidget(caption, 0, 0);
  grid->addWidget(materials_, 0, 1);
  connect(materials_, &QComboBox::activated, this, &FM_Second::materialChosen);

  spanReductionRow_ = new QWidget(material_);
  auto* row = new QGridLayout(spanReductionRow_);
  row->setContentsMargins(0, 0, 0, 0);
  FormRows rows(*spanReductionRow_, *row);
  binder_->addRow(rows, stiffenerForm(), "FTX_Stiff_7");
  grid->addWidget(spanReductionRow_, 1, 0, 1, 2);
  return material_;
}

QGroupBox* FM_Second::buildBracketGroup() {
  bracket_ = new QGroupBox("Bracket", controls_);
  bracket_->setObjectName("PIC_Brack");
  FormRows rows(*bracket_, *new QGridLayout(bracket_));
  binder_->addRows(rows, stiffenerBracketForm());
  return bracket_;
}

QGroupBox* FM_Second::buildSpanGroup() {
  span_ = new QGroupBox("Span", controls_);
  span_->setObjectName("PIC_Span");
  FormRows rows(*span_, *new QGridLayout(span_));
  auto* row = new QHBoxLayout;
  spanNumber_ = new QLabel(span_);
  spanNumber_->setObjectName("LB_Span");
  spanSteps_ =
      addStepButtons(span_, *row, "BT_Span", "span", [this](int step) { spanStepped(step); });
  row->insertWidget(1, spanNumber_);
  row->addStretch(1);
  rows.addWide(row);
  defaultSpan_ = binder_->addRow(rows, stiffenerSpanForm(), "OP_Span");
  sectionModulus_ = new QLabel(span_);
  sectionModulus_->setObjectName("LB_SectionModulus");
  sectionModulus_->setWordWrap(true);
  sectionModulus_->setTextFormat(Qt::PlainText);
  sectionModulus_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  rows.addWide(sectionModulus_);
  return span_;
}

QGroupBox* FM_Second::buildSpanBracketGroup() {
  spanBracket_ = new QGroupBox("Span brackets", controls_);
  spanBracket_->setObjectName("PIC_SpanBrack");
  FormRows rows(*spanBracket_, *new QGridLayout(spanBracket_));
  for (const char* name : {"FTX_Stiff_5", "FTX_Stiff_6"}) {
    binder_->addRow(rows, stiffenerSpanForm(), name);
  }
  return spanBracket_;
}

QGroupBox* FM_Second::buildConnectionGroup() {
  connection_ = new QGroupBox("Stiff. connection", controls_);
  connection_->setObjectName("fr_conn");
  auto* layout = new QVBoxLayout(connection_);
  layout->addWidget(binder_->addControl(stiffenerForm(), "CB_typeConn"));
  return connection_;
}

FormPlace FM_Second::place() { return {.tab = static_cast<int>(session().subView())}; }

void FM_Second::fillControls() {
  if (currentBulkhead() == nullptr) {
    showNoStiffener();
    return;
  }
  const Bulkhead& bulkhead = *currentBulkhead();
  const StiffenerTab shown = stiffenerTabOf(place().tab);
  controls_->setEnabled(true);
  tabs_->setCurrentIndex(static_cast<int>(shown));
  fillListRows(bulkhead);
  fillGroup(bulkhead);
  fillForms();
  sectionModulus_->setText(QString::fromStdString(
      currentSpanModulusText(bulkhead, session().run().paths.ThicknessDeduction)));
  showGroups(shown);
}

void FM_Second::showNoStiffener() {
  list_->clear();
  for (NumberField* field : {position_, spacing_}) field->showEmpty();
  spanNumber_->clear();
  sectionModulus_->clear();
  fillForms();
  controls_->setEnabled(false);
}

void FM_Second::fillForms() {
  binder_->setPlace(place());
  binder_->fill();
  showType();
  showMaterial();
}

void FM_Second::fillListRows(const Bulkhead& bulkhead) {
  const List<OrdinaryStiffener>& stiffeners = bulkhead.Stiffeners;
  const StiffenerTab shown = stiffenerTabOf(place().tab);
  QStringList rows;
  for (int k = 1; k <= stiffeners.count(); ++k) {
    rows << QString::fromStdString(
        stiffenerRowText(stiffeners.at(k), k, shown, bulkhead.CurSpan, session().ship()));
  }
  if (list_->count() != rows.size()) {
    list_->clear();
    list_->addItems(rows);
  } else {
    for (int i = 0; i < list_->count(); ++i) {
      if (list_->item(i)->text() != rows[i]) list_->item(i)->setText(rows[i]);
    }
  }
  // The selection is set in one go: a row at a time, the view would follow
  // every row of a long list.
  QItemSelection selection;
  for (int k = 1; k <= stiffeners.count(); ++k) {
    if (!stiffeners.at(k).Selected) continue;
    const QModelIndex index = list_->model()->index(k - 1, 0);
    selection.select(index, index);
  }
  list_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void FM_Second::fillGroup(const Bulkhead& bulkhead) {
  const StiffenerPanelState state = stiffenerPanelState(bulkhead);
  axis_->setText(QString::fromUtf8(state.AxisCaption.data(),
                                   static_cast<qsizetype>(state.AxisCaption.size())));
  position_->showValue(state.Position);
  spacing_->showValue(state.Spacing);
  for (NumberField* field : {position_, spacing_}) field->setEnabled(state.AnySelected);
  spanNumber_->setText(QString::number(state.Interval));
  spanSteps_.enable(state.EarlierInterval, state.LaterInterval);
  spanBrackets_->setEnabled(state.AnySelected);
}

// The type tools act as one choice: the one of the profile the selection
// shares is down, none while it is not the tab's to edit.
void FM_Second::showType() {
  const FormTable<Scantling>& table = stiffenerScantlingForm();
  const RowState state =
      tableRowState(table, *rowNamed(table, "SS_type"), session().arrangement(), place());
  typeCaption_->setEnabled(state.enabled);
  for (QToolButton* tool : typeTools_->findChildren<QToolButton*>()) {
    tool->setEnabled(state.enabled);
    tool->setChecked(state.value == FormValue{tool->property(kProfileCode).toDouble()});
  }
}

void FM_Second::showMaterial() {
  fillMaterialList(*materials_, session().ship());
  const RowState state = withMaterialRow(place(), [&](const auto& table, const auto& row) {
    return tableRowState(table, row, session().arrangement(), place());
  });
  showCode(*materials_, state.value ? static_cast<Long>(std::get<double>(*state.value)) - 1 : -1);
  materials_->setEnabled(state.enabled);
}

void FM_Second::showGroups(StiffenerTab shown) {
  const StiffenerTabGroups groups = stiffenerTabGroups(shown);
  scantling_->setVisible(groups.Scantling);
  for (QToolButton* tool : typeTools_->findChildren<QToolButton*>()) {
    const int code = tool->property(kProfileCode).toInt();
    tool->setVisible(groups.BulbAndNullTypes || (code != kBulbProfile && code != kNullProfile));
  }
  material_->setVisible(groups.Material);
  spanReductionRow_->setVisible(groups.SpanReduction);
  bracket_->setVisible(groups.Bracket);
  span_->setVisible(groups.Span);
  defaultSpan_->setVisible(groups.DefaultScantling);
  spanBracket_->setVisible(groups.SpanBracket);
  connection_->setVisible(groups.Connection);
}

// A soft toe beside a bracket goes against the rule: the question stops the
// user with the critical icon, and a hasty Enter answers No.
std::optional<FormValue> FM_Second::askBefore(std::string_view objectName, FormValue value) {
  const Bulkhead* bulkhead = currentBulkhead();
  const std::optional<StiffenerQuestion> question =
      bulkhead ? questionBefore(*bulkhead, objectName, value) : std::nullopt;
  if (!question) return value;
  for (int asked = 0; asked < question->times; ++asked) {
    const Answer answer = editor().prompt().ask({.text = kSoftToeQuestion,
                                                 .choices = Choices::YesNo,
                                                 .icon = Icon::CriticalStop,
                                                 .defaultAnswer = Answer::No});
    if (answer != Answer::Yes) return question->onNo;
  }
  return value;
}

void FM_Second::listSelectionChanged() {
  if (editor().refreshing()) return;
  std::vector<bool> selected(static_cast<std::size_t>(list_->count()));
  for (int row = 0; row < list_->count(); ++row) {
    selected[static_cast<std::size_t>(row)] = list_->item(row)->isSelected();
  }
  moveSelection([&selected](Selection& s, const Bulkhead&) { chooseStiffeners(s, selected); });
}

void FM_Second::tabChosen(int index) {
  if (editor().refreshing()) return;
  session().setSubView(index, Follow::Panel | Follow::Redraw);
}

void FM_Second::typePressed(Long code) {
  if (editor().refreshing()) return;
  const FormTable<Scantling>& table = stiffenerScantlingForm();
  const Arrangement& a = session().arrangement();
  editor().change(
      formChange(table, *rowNamed(table, "SS_type"), static_cast<double>(code), place(), a));
}

void FM_Second::materialChosen(int index) {
  if (editor().refreshing() || index < 0) return;
  const Arrangement& a = session().arrangement();
  editor().change(withMaterialRow(place(), [&](const auto& table, const auto& row) {
    return formChange(table, row, static_cast<double>(index + 1), place(), a);
  }));
}

void FM_Second::spanStepped(int step) {
  moveSelection(
      [step](Selection& s, const Bulkhead& b) { chooseInterval(s, steppedInterval(b, step)); });
}

void FM_Second::positionCommitted() {
  const auto position = static_cast<Single>(position_->value());
  changeBulkhead(kPositionChange, [position](Bulkhead& b) { moveSelectedStiffeners(b, position); });
}

void FM_Second::spacingCommitted() {
  const auto spacing = static_cast<Single>(spacing_->value());
  changeBulkhead(kPositionChange, [spacing](Bulkhead& b) { spaceSelectedStiffeners(b, spacing); });
}

void FM_Second::pasteStiffenerPositions(const QString& text) {
  const Bulkhead* bulkhead = currentBulkhead();
  if (bulkhead == nullptr) return;
  const std::optional<std::vector<PastedRow>> rows = readPaste(editor(), text, kPositionRowShape);
  if (!rows) return;
  auto positions = pastedPositions(*bulkhead, *rows);
  if (auto* refusal = std::get_if<PasteRefusal>(&positions)) {
    reportPasteRefusal(editor(), *refusal);
    return;
  }
  const Integer material = defaultPlatingMaterial(session().ship());
  changeBulkhead(kPastePositions,
                 [material, pasted = std::get<std::vector<Single>>(std::move(positions))](
                     Bulkhead& b) { pastePositions(b, pasted, material); });
}

QString FM_Second::copiedStiffenerPositions() const {
  const Bulkhead* bulkhead = currentBulkhead();
  if (bulkhead == nullptr) return {};
  std::vector<std::vector<float>> rows;
  for (const OrdinaryStiffener& stiffener : bulkhead->Stiffeners) {
    if (stiffener.Selected) rows.push_back({stiffener.Position});
  }
  return QString::fromStdString(writeCopiedTable(rows));
}

EditOutcome FM_Second::addItem(Arrangement& a) {
  addStiffener(currentOf(a));
  return {};
}

EditOutcome FM_Second::removeItem(Arrangement& a) {
  removeSelectedStiffeners(currentOf(a));
  return {};
}

}  // namespace korain
