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
#include <initializer_list>
#include <optional>

#include "checks/stiffener_rows.h"
#include "dialogs/fm_second_wiz.h"
#include "edit/selection_edits.h"
#include "model/codes.h"
#include "panels/step_buttons.h"
#include "text/string_table.h"
#include "text/text_ids.h"
#include "view/property_texts.h"
#include "view/stiffener_panel_state.h"
#include "widgets/material_list.h"

namespace korain {
namespace {

constexpr char kScantlingChange[] = "Ordinary stiffeners scantling change";
constexpr char kPositionChange[] = "Ordinary stiffener position change";
constexpr char kSoftToeQuestion[] =
    "Warning: connection type SOFT TOE With brackets is not permetted.Do you want continue ?";

// A soft toe beside a bracket goes against the rule: the question stops the
// user with the critical icon, and a hasty Enter answers No.
bool softToeAllowedAnyway(Prompt& prompt) {
  return prompt.ask({.text = kSoftToeQuestion,
                     .choices = Choices::YesNo,
                     .icon = Icon::CriticalStop,
                     .defaultAnswer = Answer::No}) == Answer::Yes;
}

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

// The scantling fields FTX_Stiff_0 to 3, as a refusal names them.
constexpr std::array<const char*, 4> kScantlingNames = {
    "Web height (mm)", "Web thickness (mm)", "Flange width (mm)", "Flange thickness (mm)"};

constexpr std::array<const char*, 5> kTabTexts = {"Stiff. scantling", "Stiff. upper bracket",
                                                  "Stiff. lower bracket", "by span scantling",
                                                  "by span bracket"};

// A box for a flag that the selected stiffeners do not share shows neither
// state, and writes nothing until it is clicked.
void showFlag(QCheckBox& box, std::optional<bool> value) {
  box.setTristate(false);
  box.setCheckState(!value ? Qt::PartiallyChecked : *value ? Qt::Checked : Qt::Unchecked);
}

std::optional<Single> numberOf(const NumberField& field) {
  if (field.text().trimmed().isEmpty()) return std::nullopt;
  return static_cast<Single>(field.value());
}

std::optional<bool> flagOf(const QCheckBox& box) {
  if (box.checkState() == Qt::PartiallyChecked) return std::nullopt;
  return box.checkState() == Qt::Checked;
}

QWidget* keepPlaceWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
  return widget;
}

}  // namespace

FM_Second::FM_Second(Editor& editor, QWidget* parent)
    : Panel(editor, PanelCode::OrdinaryStiffeners, SelectorUse::Shown, parent) {
  setObjectName("FM_Second");
  buildControls();
}

void FM_Second::FillSecCB_typeConn(QComboBox& list) {
  list.clear();
  list.addItem("No Soft toe");
  list.addItem("Soft toe");
}

NumberField* FM_Second::addStiffField(int index) {
  auto* field = new NumberField(controls_);
  field->setObjectName(QString("FTX_Stiff_%1").arg(index));
  // The web's and the flange's pairs share one caption: a refusal names each.
  if (index < static_cast<int>(kScantlingNames.size())) {
    field->setCaption(kScantlingNames.at(static_cast<std::size_t>(index)));
  }
  stiff_[static_cast<std::size_t>(index)] = field;
  // The bracket lengths change the spans, so they go through the whole cycle.
  const Follow follow = index >= 4 ? kRefreshAll : Follow::Panel | Follow::Redraw;
  connect(field, &NumberField::committed, this,
          [this, follow] { changeValues(kScantlingChange, follow); });
  return field;
}

void FM_Second::buildControls() {
  controls_ = new QWidget(this);
  auto* layout = new QVBoxLayout(controls_);
  layout->setContentsMargins(0, 0, 0, 0);
  body()->addWidget(controls_);

  list_ = new QListWidget(controls_);
  list_->setObjectName("LI_Stiff");
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  list_->setMinimumHeight(140);
  list_->setUniformItemSizes(true);
  layout->addWidget(list_);
  connect(list_, &QListWidget::itemSelectionChanged, this, &FM_Second::listSelectionChanged);

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
}

// The group's position and spacing side by side.
QLayout* FM_Second::buildGroupRow() {
  auto* groupGrid = new QGridLayout;
  const std::array<const char*, 2> groupCaptions = {"&Y :", "&Spacing :"};
  for (std::size_t i = 0; i < group_.size(); ++i) {
    group_[i] = new NumberField(controls_);
    group_[i]->setObjectName(QString("FTX_m_%1").arg(i));
    auto* caption = new QLabel(groupCaptions[i], controls_);
    caption->setBuddy(group_[i]);
    if (i == 0) {
      axis_ = caption;
      axis_->setObjectName("LB_yz");
    }
    groupGrid->addWidget(caption, 0, static_cast<int>(2 * i));
    groupGrid->addWidget(group_[i], 0, static_cast<int>(2 * i + 1));
  }
  connect(group_[0], &NumberField::committed, this, &FM_Second::positionCommitted);
  connect(group_[1], &NumberField::committed, this, &FM_Second::spacingCommitted);
  return groupGrid;
}

QGroupBox* FM_Second::buildScantlingGroup() {
  scantling_ = new QGroupBox("Scantling", controls_);
  scantling_->setObjectName("PIC_Scant");
  auto* grid = new QGridLayout(scantling_);
  typeCaption_ = new QLabel("Type :", scantling_);
  grid->addWidget(typeCaption_, 0, 0);
  auto* toolbar = new QWidget(scantling_);
  toolbar->setObjectName("SS_type");
  auto* row = new QHBoxLayout(toolbar);
  row->setContentsMargins(0, 0, 0, 0);
  for (std::size_t i = 0; i < types_.size(); ++i) {
    auto* tool = new QToolButton(toolbar);
    tool->setObjectName(QString("SS_type_%1").arg(i));
    tool->setText(kTypeTools[i].caption);
    tool->setCheckable(true);
    keepPlaceWhenHidden(tool);
    row->addWidget(tool);
    types_[i] = tool;
    connect(tool, &QToolButton::clicked, this, [this, i] { typePressed(static_cast<int>(i)); });
  }
  row->addStretch(1);
  grid->addWidget(toolbar, 0, 1, 1, 2);
  const std::array<const char*, 2> captions = {"&Web (mm)", "Fl&ange (mm)"};
  for (int r = 0; r < 2; ++r) {
    auto* caption = new QLabel(captions[static_cast<std::size_t>(r)], scantling_);
    NumberField* height = addStiffField(2 * r);
    NumberField* thickness = addStiffField(2 * r + 1);
    caption->setBuddy(height);
    grid->addWidget(caption, r + 1, 0);
    grid->addWidget(height, r + 1, 1);
    grid->addWidget(thickness, r + 1, 2);
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
  connect(materials_, &QComboBox::activated, this,
          [this] { changeValues("Ordinary stiffener material change", Follow::Redraw); });

  spanReductionRow_ = new QWidget(material_);
  auto* row = new QHBoxLayout(spanReductionRow_);
  row->setContentsMargins(0, 0, 0, 0);
  spanReduction_ = new NumberField(spanReductionRow_);
  spanReduction_->setObjectName("FTX_Stiff_7");
  auto* reductionCaption = new QLabel("Span reduction  (m):", spanReductionRow_);
  reductionCaption->setBuddy(spanReduction_);
  row->addWidget(reductionCaption);
  row->addWidget(spanReduction_);
  grid->addWidget(spanReductionRow_, 1, 0, 1, 2);
  connect(spanReduction_, &NumberField::committed, this,
          [this] { changeValues("Ordinary stiffener data changes", kRefreshAll); });
  return material_;
}

QGroupBox* FM_Second::buildBracketGroup() {
  bracket_ = new QGroupBox("Bracket", controls_);
  bracket_->setObjectName("PIC_Brack");
  auto* grid = new QGridLayout(bracket_);
  const std::array<const char*, 2> captions = {"&Fixed support", "&No bracket"};
  for (std::size_t i = 0; i < brackets_.size(); ++i) {
    brackets_[i] = new QCheckBox(captions[i], bracket_);
    brackets_[i]->setObjectName(QString("OP_Brack_%1").arg(i));
    grid->addWidget(brackets_[i], static_cast<int>(i), 0, 1, 2);
    connect(brackets_[i], &QCheckBox::clicked, this,
            [this, i] { bracketClicked(static_cast<int>(i)); });
  }
  NumberField* length = addStiffField(4);
  auto* caption = new QLabel("Length :", bracket_);
  caption->setBuddy(length);
  grid->addWidget(caption, 2, 0);
  grid->addWidget(length, 2, 1);
  return bracket_;
}

QGroupBox* FM_Second::buildSpanGroup() {
  span_ = new QGroupBox("Span", controls_);
  span_->setObjectName("PIC_Span");
  auto* layout = new QVBoxLayout(span_);
  auto* row = new QHBoxLayout;
  spanNumber_ = new QLabel(span_);
  spanNumber_->setObjectName("LB_Span");
  spanSteps_ =
      addStepButtons(span_, *row, "BT_Span", "span", [this](int step) { spanStepped(step); });
  row->insertWidget(1, spanNumber_);
  row->addStretch(1);
  layout->addLayout(row);
  defaultSpan_ = new QCheckBox("&Default scantling", span_);
  defaultSpan_->setObjectName("OP_Span");
  layout->addWidget(defaultSpan_);
  connect(defaultSpan_, &QCheckBox::clicked, this, [this] {
    changeValues("Ordinary span scantling change", Follow::Panel | Follow::Redraw);
  });
  sectionModulus_ = new QLabel(span_);
  sectionModulus_->setObjectName("LB_SectionModulus");
  sectionModulus_->setWordWrap(true);
  sectionModulus_->setTextFormat(Qt::PlainText);
  sectionModulus_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(sectionModulus_);
  return span_;
}

QGroupBox* FM_Second::buildSpanBracketGroup() {
  spanBracket_ = new QGroupBox("Span brackets", controls_);
  spanBracket_->setObjectName("PIC_SpanBrack");
  auto* grid = new QGridLayout(spanBracket_);
  const std::array<const char*, 2> captions = {"&Lower bracket length :",
                                               "&Upper bracket length :"};
  for (int i = 0; i < 2; ++i) {
    NumberField* length = addStiffField(5 + i);
    auto* caption = new QLabel(captions[static_cast<std::size_t>(i)], spanBracket_);
    caption->setBuddy(length);
    grid->addWidget(caption, i, 0);
    grid->addWidget(length, i, 1);
  }
  return spanBracket_;
}

QGroupBox* FM_Second::buildConnectionGroup() {
  connection_ = new QGroupBox("Stiff. connection", controls_);
  connection_->setObjectName("fr_conn");
  auto* layout = new QVBoxLayout(connection_);
  connections_ = new QComboBox(connection_);
  connections_->setObjectName("CB_typeConn");
  FillSecCB_typeConn(*connections_);
  layout->addWidget(connections_);
  connect(connections_, &QComboBox::activated, this, &FM_Second::connectionChosen);
  return connection_;
}

StiffenerTab FM_Second::tab() { return stiffenerTabOf(session().subView()); }

void FM_Second::fillControls() {
  fillMaterialList(*materials_, session().ship());
  if (currentBulkhead() == nullptr) {
    showNoStiffener();
    return;
  }
  const Bulkhead& bulkhead = *currentBulkhead();
  const StiffenerTab shown = tab();
  controls_->setEnabled(true);
  tabs_->setCurrentIndex(static_cast<int>(shown));
  axis_->setText(bulkhead.stfHV == kVertical ? "&Y :" : "&Z :");
  spanNumber_->setText(QString::number(bulkhead.CurSpan));
  spanSteps_[0]->setEnabled(bulkhead.CurSpan > 1);
  spanSteps_[1]->setEnabled(bulkhead.CurSpan < bulkhead.Supports.count());
  fillListRows(bulkhead);
  fillFields(bulkhead);
  sectionModulus_->setText(QString::fromStdString(
      currentSpanModulusText(bulkhead, session().run().paths.ThicknessDeduction)));
  showGroups(shown);
}

void FM_Second::showNoStiffener() {
  list_->clear();
  for (NumberField* field : group_) field->showEmpty();
  for (NumberField* field : stiff_) field->showEmpty();
  spanReduction_->showEmpty();
  spanNumber_->clear();
  sectionModulus_->clear();
  for (QComboBox* list : {materials_, connections_}) list->setCurrentIndex(-1);
  showType(std::nullopt);
  controls_->setEnabled(false);
}

void FM_Second::fillListRows(const Bulkhead& bulkhead) {
  const List<OrdinaryStiffener>& stiffeners = bulkhead.Stiffeners;
  const StiffenerTab shown = tab();
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

void FM_Second::fillFields(const Bulkhead& bulkhead) {
  const StiffenerPanelState state = stiffenerPanelState(bulkhead, tab());
  const StiffenerValues& shown = state.Shown;
  group_[0]->showValue(state.Position);
  group_[1]->showValue(state.Spacing);
  showType(shown.Typ);
  stiff_[0]->showValue(shown.H1);
  stiff_[1]->showValue(shown.E1);
  stiff_[2]->showValue(shown.H2);
  stiff_[3]->showValue(shown.E2);
  spanReduction_->showValue(shown.SpanReduction);
  showCode(*materials_, shown.Mat ? *shown.Mat - 1 : -1);
  showFlag(*brackets_[0], shown.Fixed);
  showFlag(*brackets_[1], shown.NoBracket);
  stiff_[4]->showValue(shown.BracketLength);
  showFlag(*defaultSpan_, shown.DefaultScantling);
  stiff_[5]->showValue(shown.LowerBracketLength);
  stiff_[6]->showValue(shown.UpperBracketLength);
  showCode(*connections_, state.Connection.value_or(-1));

  for (NumberField* field : group_) field->setEnabled(state.AnySelected);
  for (QWidget* part : std::initializer_list<QWidget*>{material_, bracket_, defaultSpan_,
                                                       spanBracket_, connection_}) {
    part->setEnabled(state.AnySelected);
  }
  scantlingEnabled_ = state.ScantlingEditable;
  typeCaption_->setEnabled(state.ScantlingEditable);
  for (QToolButton* tool : types_) tool->setEnabled(state.ScantlingEditable);
  for (NumberField* web : {stiff_[0], stiff_[1]}) web->setEnabled(state.WebEditable);
  for (NumberField* flange : {stiff_[2], stiff_[3]}) flange->setEnabled(state.FlangeEditable);
}

void FM_Second::showType(std::optional<Long> code) {
  for (std::size_t i = 0; i < types_.size(); ++i) {
    types_[i]->setChecked(code == kTypeTools[i].code);
  }
}

void FM_Second::showGroups(StiffenerTab shown) {
  const StiffenerTabGroups groups = stiffenerTabGroups(shown);
  scantling_->setVisible(groups.Scantling);
  types_[1]->setVisible(groups.BulbAndNullTypes);
  types_[4]->setVisible(groups.BulbAndNullTypes);
  material_->setVisible(groups.Material);
  spanReductionRow_->setVisible(groups.SpanReduction);
  bracket_->setVisible(groups.Bracket);
  span_->setVisible(groups.Span);
  defaultSpan_->setVisible(groups.DefaultScantling);
  spanBracket_->setVisible(groups.SpanBracket);
  connection_->setVisible(groups.Connection);
}

StiffenerValues FM_Second::valuesOfControls() const {
  StiffenerValues values;
  for (std::size_t i = 0; i < types_.size(); ++i) {
    if (types_[i]->isChecked()) values.Typ = kTypeTools[i].code;
  }
  // Dimensions are written only while the scantling can be edited: a bracket
  // that is not fitted keeps its profile.
  if (scantlingEnabled_) {
    values.H1 = numberOf(*stiff_[0]);
    values.E1 = numberOf(*stiff_[1]);
    values.H2 = numberOf(*stiff_[2]);
    values.E2 = numberOf(*stiff_[3]);
  }
  if (materials_->currentIndex() >= 0) {
    values.Mat = static_cast<Integer>(materials_->currentIndex() + 1);
  }
  values.SpanReduction = numberOf(*spanReduction_);
  values.Fixed = flagOf(*brackets_[0]);
  values.NoBracket = flagOf(*brackets_[1]);
  values.BracketLength = numberOf(*stiff_[4]);
  values.DefaultScantling = flagOf(*defaultSpan_);
  values.LowerBracketLength = numberOf(*stiff_[5]);
  values.UpperBracketLength = numberOf(*stiff_[6]);
  return values;
}

void FM_Second::changeValues(const std::string& label, Follow follow) {
  const StiffenerValues values = valuesOfControls();
  const StiffenerTab shown = tab();
  changeBulkhead(
      label, [shown, values](Bulkhead& b) { setStiffenerValues(b, shown, values); }, follow);
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

void FM_Second::typePressed(int tool) {
  if (editor().refreshing()) return;
  // The tools act as one choice: the one pressed stays down.
  for (std::size_t i = 0; i < types_.size(); ++i) {
    types_[i]->setChecked(static_cast<int>(i) == tool);
  }
  changeValues("Ordinary type change", Follow::Panel | Follow::Redraw);
}

void FM_Second::bracketClicked(int box) {
  if (editor().refreshing()) return;
  const bool fitting = box == 1 && brackets_[1]->checkState() == Qt::Unchecked;
  if (fitting && connections_->currentIndex() == kSoftToe &&
      !softToeAllowedAnyway(editor().prompt())) {
    session().refresh(Follow::Panel);
    return;
  }
  changeValues("Ordinary brackets change", kRefreshAll);
}

void FM_Second::spanStepped(int step) {
  moveSelection([step](Selection& s, const Bulkhead& b) { chooseInterval(s, b.CurSpan + step); });
}

void FM_Second::connectionChosen(int index) {
  const Bulkhead* bulkhead = currentBulkhead();
  if (editor().refreshing() || bulkhead == nullptr) return;
  const Long chosen = connectionAllowed(*bulkhead, index,
                                        [this] { return softToeAllowedAnyway(editor().prompt()); });
  changeBulkhead(
      korainString(text_id::kConnectionChangeLabel),
      [chosen](Bulkhead& b) { setSelectedConnection(b, chosen); }, Follow::Panel | Follow::Redraw);
}

void FM_Second::positionCommitted() {
  const auto position = static_cast<Single>(group_[0]->value());
  changeBulkhead(kPositionChange, [position](Bulkhead& b) { moveSelectedStiffeners(b, position); });
}

void FM_Second::spacingCommitted() {
  const auto spacing = static_cast<Single>(group_[1]->value());
  changeBulkhead(kPositionChange, [spacing](Bulkhead& b) { spaceSelectedStiffeners(b, spacing); });
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
