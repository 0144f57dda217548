// The resonance dialog's form, its levels and verdicts shown anew as the user edits.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_res_kora.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <string>

#include "edit/compartment_edits.h"
#include "edit/paste_edits.h"
#include "edit/resonance_edits.h"
#include "text/line_values.h"
#include "view/compartment_dialog_states.h"
#include "widgets/number_cell_delegate.h"
#include "widgets/ok_cancel.h"
#include "widgets/refusal_notice.h"
#include "widgets/table_clipboard.h"
#include "widgets/typed_number.h"

namespace korain {
namespace {

constexpr char kResonanceChanges[] = "Compartment resonance changes";
constexpr char kCaption[] = "Resonance";
// The filling level, its free-surface length and breadth, then the level as a
// percentage of the compartment's height: the stored values first, as a
// paste and a copy give them.
constexpr int kStoredColumns = 3;
constexpr int kShareColumn = 3;
constexpr int kColumns = 4;

// A level at risk stands out in the results beside the grid.
const QColor kRiskColour(255, 205, 205);

void setCell(QTableWidget& table, int row, int column, const QString& text) {
  QTableWidgetItem* item = table.item(row, column);
  if (item == nullptr) {
    table.setItem(row, column, new QTableWidgetItem(text));
  } else if (item->text() != text) {
    item->setText(text);
  }
}

Single& pointValue(FillingPoint& point, int column) {
  if (column == 0) return point.H;
  return column == 1 ? point.L : point.B;
}

// A share of the height with as many decimals as tell it, two at most.
QString shareText(double share) {
  return QString::number(share, 'f', 2).remove(QRegularExpression("\\.?0+$"));
}

QRadioButton* option(const QString& name, const char* caption, QButtonGroup& group, int id,
                     QWidget* parent) {
  auto* button = new QRadioButton(caption, parent);
  button->setObjectName(name + "_" + QString::number(id));
  group.addButton(button, id);
  return button;
}

}  // namespace

FM_ResKora::FM_ResKora(Editor& editor, int side, QWidget* parent)
    : QDialog(parent),
      editor_(editor),
      bulkhead_(editor.session().arrangement().CurBulkhead),
      side_(side),
      copy_(editor.session().arrangement().Bulkheads.at(bulkhead_).Compartments.at(side)) {
  setObjectName("FM_ResKora");
  fillEffectiveDimensions(copy_);

  auto* levelsAndResults = new QHBoxLayout;
  levelsAndResults->addWidget(levelsGroup(), 3);
  levelsAndResults->addWidget(resultsGroup(), 2);
  auto* options = new QHBoxLayout;
  options->addWidget(risksGroup(), 1);
  options->addWidget(geometryGroup(), 1);

  const auto [ok, cancel, buttons] = makeOkCancel(*this);
  ok->setObjectName("BT_ok");
  cancel->setObjectName("BT_cancel");
  connect(ok, &QPushButton::clicked, this, &FM_ResKora::confirm);
  connect(cancel, &QPushButton::clicked, this, &FM_ResKora::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(dimensionsRow());
  layout->addLayout(levelsAndResults, 1);
  layout->addLayout(options);
  layout->addLayout(buttons);
  fill();
}

NumberField* FM_ResKora::effectiveField(const char* name, int entry, ShownText text) {
  auto* field = new NumberField(this);
  field->setObjectName(name);
  connect(field, &NumberField::committed, this, [this, field, entry, text] {
    if (filling_) return;
    copy_.Table1.at(entry) = static_cast<Single>(field->value());
    field->showText(QString::fromStdString(state().*text));
    setChanged();
  });
  return field;
}

QWidget* FM_ResKora::dimensionsRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  effectiveLength_ =
      effectiveField("FTX_el", kEffectiveLengthEntry, &ResonanceDialogState::EffectiveLength);
  effectiveBreadth_ =
      effectiveField("FTX_eb", kEffectiveBreadthEntry, &ResonanceDialogState::EffectiveBreadth);
  // Each caption is its field's buddy: a refusal names the field by it.
  for (NumberField* field : {effectiveLength_, effectiveBreadth_}) {
    auto* caption =
        new QLabel(field == effectiveLength_ ? "Effective length :" : "Effective breadth :", row);
    caption->setBuddy(field);
    if (field == effectiveBreadth_) layout->addSpacing(16);
    layout->addWidget(caption);
    layout->addWidget(field);
  }
  layout->addStretch(1);
  return row;
}

QWidget* FM_ResKora::levelsGroup() {
  auto* group = new QGroupBox("Filling levels", this);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(levelTools(group));
  layout->addWidget(levelGrid(group), 1);
  return group;
}

QToolBar* FM_ResKora::levelTools(QWidget* group) {
  auto* tools = new QToolBar(group);
  tools->setObjectName("SS_AddDel");
  add_ = tools->addAction("Add", this, &FM_ResKora::addLevel);
  add_->setObjectName("SS_AddDel_0");
  delete_ = tools->addAction("Delete", this, &FM_ResKora::deleteLevel);
  delete_->setObjectName("SS_AddDel_1");
  // A toolbar's own buttons take no focus; these two are the only way to add
  // or remove a level, so Tab must reach them as it reaches "&Default".
  for (QAction* action : {add_, delete_}) {
    QWidget* button = tools->widgetForAction(action);
    button->setObjectName(action->objectName());
    button->setFocusPolicy(Qt::TabFocus);
  }
  tools->addSeparator();
  defaults_ = new QPushButton("&Default", group);
  defaults_->setObjectName("BT_default");
  connect(defaults_, &QPushButton::clicked, this, &FM_ResKora::addDefaultLevels);
  tools->addWidget(defaults_);
  return tools;
}

QTableWidget* FM_ResKora::levelGrid(QWidget* group) {
  grid_ = new QTableWidget(0, kColumns, group);
  grid_->setObjectName("SS_Res");
  grid_->setHorizontalHeaderLabels(
      {"Filling level", "Free surface length", "Free surface breadth", "% of height"});
  grid_->setItemDelegate(new NumberCellDelegate(grid_));
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setStretchLastSection(true);
  // Every column as wide as its heading at least: the grid never cuts one.
  const QFontMetrics metrics = grid_->horizontalHeader()->fontMetrics();
  int width = 0;
  for (int column = 0; column < kColumns; ++column) {
    width += metrics.horizontalAdvance(grid_->horizontalHeaderItem(column)->text()) +
             4 * metrics.averageCharWidth();
  }
  // The row numbers take two digits and their margins.
  width += metrics.horizontalAdvance("00") + 2 * metrics.averageCharWidth();
  grid_->setMinimumWidth(width + grid_->verticalScrollBar()->sizeHint().width() +
                         2 * grid_->frameWidth());
  connect(grid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (filling_) return;
    readCell(*item);
  });
  connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (!filling_) currentRow_ = row + 1;
  });
  TableClipboard::attach(
      *grid_, [this] { return copiedLevels(); },
      [this](const QString& text) { pasteLevelRows(text); });
  return grid_;
}

QWidget* FM_ResKora::resultsGroup() {
  auto* group = new QGroupBox("Risk of resonance", this);
  auto* layout = new QVBoxLayout(group);
  periodsLabel_ = new QLabel(group);
  periodsLabel_->setObjectName("LB_Periods");
  periodsLabel_->setWordWrap(true);
  layout->addWidget(periodsLabel_);
  results_ = new QTableWidget(0, 5, group);
  results_->setObjectName("SS_Results");
  results_->setHorizontalHeaderLabels({"Tx (s)", "Ty (s)", "Pitch", "Roll", "Sway"});
  results_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  results_->setFocusPolicy(Qt::NoFocus);
  layout->addWidget(results_, 1);
  return group;
}

QWidget* FM_ResKora::risksGroup() {
  auto* group = new QWidget(this);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(new QLabel("Check the risk :", group));
  risks_.pitch = riskCheck(group, "Risk of resonance due to pitch", 1, &Compartment::Flag3);
  risks_.roll = riskCheck(group, "Risk of resonance due to roll", 2, &Compartment::Flag4);
  risks_.sway = riskCheck(group, "Risk of resonance due to sway", 3, &Compartment::Flag5);
  for (QCheckBox* risk : {risks_.pitch, risks_.roll, risks_.sway}) layout->addWidget(risk);
  auto* consequence = new QLabel(
      "the corresponding dynamic pressure would be considered in rule scantling.", group);
  consequence->setWordWrap(true);
  layout->addWidget(consequence);
  layout->addStretch(1);
  return group;
}

QCheckBox* FM_ResKora::riskCheck(QWidget* group, const char* caption, int number,
                                 bool Compartment::*flag) {
  auto* risk = new QCheckBox(caption, group);
  risk->setObjectName("OP_Risk_" + QString::number(number));
  connect(risk, &QCheckBox::clicked, this, [this, flag](bool ticked) {
    if (filling_) return;
    copy_.*flag = ticked;
    setChanged();
  });
  return risk;
}

QWidget* FM_ResKora::geometryGroup() {
  auto* group = new QGroupBox("Tank geometry", this);
  auto* layout = new QVBoxLayout(group);
  longiSmooth_ = new QButtonGroup(group);
  transSmooth_ = new QButtonGroup(group);
  layout->addWidget(option("OP_LongiSmooth",
                           "Smooth tanks or bottom girders height is less than 0,1H", *longiSmooth_,
                           0, group));
  layout->addWidget(option("OP_LongiSmooth", "Bottom girders height is not less than 0,1H",
                           *longiSmooth_, 1, group));
  layout->addSpacing(8);
  layout->addWidget(option("OP_TransSmooth",
                           "Smooth tanks or bottom transverses height is less than 0,1H",
                           *transSmooth_, 0, group));
  layout->addWidget(option("OP_TransSmooth", "Bottom transverses height is not less than 0,1H",
                           *transSmooth_, 1, group));
  connect(longiSmooth_, &QButtonGroup::idClicked, this, [this](int id) {
    if (filling_) return;
    copy_.D = id == 0;
    setChanged();
  });
  connect(transSmooth_, &QButtonGroup::idClicked, this, [this](int id) {
    if (filling_) return;
    copy_.C = id == 0;
    setChanged();
  });
  return group;
}

void FM_ResKora::fill() {
  filling_ = true;
  const ResonanceDialogState shown = state();
  effectiveLength_->showText(QString::fromStdString(shown.EffectiveLength));
  effectiveBreadth_->showText(QString::fromStdString(shown.EffectiveBreadth));
  risks_.pitch->setChecked(copy_.Flag3);
  risks_.roll->setChecked(copy_.Flag4);
  risks_.sway->setChecked(copy_.Flag5);
  longiSmooth_->button(copy_.D ? 0 : 1)->setChecked(true);
  transSmooth_->button(copy_.C ? 0 : 1)->setChecked(true);
  filling_ = false;
  currentRow_ = copy_.Points.count() > 0 ? 1 : 0;
  fillGrid();
  changed_ = false;
  setWindowTitle(kCaption);
}

void FM_ResKora::fillGrid() {
  filling_ = true;
  const ResonanceDialogState shown = state();
  add_->setEnabled(shown.CanAddLevel);
  defaults_->setEnabled(shown.CanAddLevel);
  const int count = copy_.Points.count();
  grid_->setUpdatesEnabled(false);
  grid_->setRowCount(count);
  for (int k = 1; k <= count; ++k) {
    FillingPoint& point = copy_.Points.at(k);
    for (int column = 0; column < kStoredColumns; ++column) {
      setCell(*grid_, k - 1, column, numberFieldText(pointValue(point, column)));
    }
    const std::optional<double> share = shareOfHeight(copy_, point.H);
    setCell(*grid_, k - 1, kShareColumn, share ? shareText(*share) : QString());
    // A compartment without a height has no share to show or take.
    QTableWidgetItem* shareCell = grid_->item(k - 1, kShareColumn);
    shareCell->setFlags(share ? shareCell->flags() | Qt::ItemIsEditable
                              : shareCell->flags() & ~Qt::ItemIsEditable);
  }
  grid_->setUpdatesEnabled(true);
  if (currentRow_ > 0) grid_->setCurrentCell(currentRow_ - 1, grid_->currentColumn());
  filling_ = false;
  showResults(shown);
}

ResonanceDialogState FM_ResKora::state() const {
  return resonanceDialogState(copy_, editor_.session().ship());
}

void FM_ResKora::showResults(const ResonanceDialogState& shown) {
  periodsLabel_->setText(QString::fromStdString(shown.Periods));
  results_->setVisible(shown.ResultsShown);
  results_->setRowCount(static_cast<int>(shown.Results.size()));
  for (int row = 0; row < results_->rowCount(); ++row) {
    const ResonanceResultRow& result = shown.Results.at(static_cast<std::size_t>(row));
    for (int column = 0; column < results_->columnCount(); ++column) {
      const ResonanceResultCell& cell = result.Cells.at(static_cast<std::size_t>(column));
      setCell(*results_, row, column, QString::fromStdString(cell.Text));
      QTableWidgetItem* item = results_->item(row, column);
      item->setBackground(result.AtRisk ? QBrush(kRiskColour) : QBrush());
      QFont font = item->font();
      font.setBold(cell.Stressed);
      item->setFont(font);
    }
  }
}

void FM_ResKora::setChanged() {
  changed_ = true;
  setWindowTitle(QString(kCaption) + " *");
}

void FM_ResKora::readCell(const QTableWidgetItem& item) {
  const int row = item.row() + 1;
  const int column = item.column();
  if (!copy_.Points.inBounds(row)) return;
  bool isNumber = false;
  const double typed = typedNumber(item.text(), isNumber);
  const std::optional<double> value = !isNumber                ? std::nullopt
                                      : column == kShareColumn ? levelOfShare(copy_, typed)
                                                               : std::optional(typed);
  // A cell that holds no number, "inf" or "nan" included, or one beyond what
  // the level keeps, goes back to the level's value, and the dialog's status
  // line says why.
  const std::optional<Single> kept = value ? toSingle(*value) : std::nullopt;
  QString refusal;
  if (kept) {
    pointValue(copy_.Points.at(row), column == kShareColumn ? 0 : column) = *kept;
  } else {
    refusal = grid_->horizontalHeaderItem(column)->text() + " : " + notANumberReason(item.text());
  }
  setChanged();
  fillGrid();
  announceRefusal(*grid_, refusal);
}

QString FM_ResKora::copiedLevels() const {
  const ChosenRows chosen = chosenRows(*grid_);
  std::vector<std::vector<float>> rows;
  for (int k = chosen.first; k < chosen.first + chosen.count; ++k) {
    const FillingPoint& point = copy_.Points.at(k);
    rows.push_back({point.H, point.L, point.B});
  }
  return QString::fromStdString(writeCopiedTable(rows));
}

// Pasted rows replace the chosen ones, or follow the last level; pasted into
// the percentage column, each row's level is a percentage of the height.
void FM_ResKora::pasteLevelRows(const QString& text) {
  const std::optional<std::vector<PastedRow>> rows = readPaste(editor_, text, kLevelRowShape);
  if (!rows) return;
  const ChosenRows chosen = chosenRows(*grid_);
  const PasteTarget target{.first = chosen.count == 0 ? copy_.Points.count() + 1 : chosen.first,
                           .count = chosen.count};
  const LevelUnit unit =
      grid_->currentColumn() == kShareColumn ? LevelUnit::ShareOfHeight : LevelUnit::Metres;
  auto levels =
      pastedLevels(copy_, target, *rows, unit, static_cast<Single>(effectiveLength_->value()),
                   static_cast<Single>(effectiveBreadth_->value()));
  if (auto* refusal = std::get_if<PasteRefusal>(&levels)) {
    reportPasteRefusal(editor_, *refusal);
    return;
  }
  pasteLevels(copy_, target, std::get<std::vector<FillingPoint>>(levels));
  setChanged();
  currentRow_ = target.first;
  fillGrid();
}

void FM_ResKora::addLevel() {
  if (!appendLevel(copy_)) return;
  setChanged();
  currentRow_ = copy_.Points.count();
  fillGrid();
  grid_->setCurrentCell(currentRow_ - 1, 0);
  grid_->setFocus();
}

void FM_ResKora::deleteLevel() {
  if (!copy_.Points.inBounds(currentRow_)) return;
  const std::string question = "Are you sure to erase item " + std::to_string(currentRow_) + " ?";
  if (editor_.prompt().ask(question, Choices::YesNo) != Answer::Yes) return;
  copy_.Points.remove(currentRow_);
  setChanged();
  currentRow_ = std::min(currentRow_, copy_.Points.count());
  fillGrid();
  grid_->setFocus();
}

void FM_ResKora::addDefaultLevels() {
  appendDefaultLevels(copy_, static_cast<Single>(effectiveLength_->value()),
                      static_cast<Single>(effectiveBreadth_->value()));
  setChanged();
  if (currentRow_ == 0) currentRow_ = 1;
  fillGrid();
}

void FM_ResKora::confirm() {
  // Ok given by its shortcut finds a cell still open: leaving the cell
  // commits what it holds before the levels are taken.
  grid_->setCurrentIndex({});
  if (!settleNumberFields(*this)) return;
  const Integer index = bulkhead_;
  const int side = side_;
  const Compartment& copy = copy_;
  const Edit edit = [index, side, &copy](Arrangement& a) {
    setCompartment(a.Bulkheads.at(index), side, copy);
  };
  Session& session = editor_.session();
  if (changed_) {
    session.change({.label = kResonanceChanges,
                    .scope = EditScope::bulkhead(index),
                    .edit = edit,
                    .follow = Follow::Nothing});
  } else if (copy_ != session.arrangement().Bulkheads.at(index).Compartments.at(side)) {
    session.storeUnrecorded(EditScope::bulkhead(index), edit, Follow::Nothing);
  }
  accept();
}

void FM_ResKora::reject() {
  if (changed_ && editor_.prompt().ask("Cancel changes ?", Choices::YesNo) != Answer::Yes) return;
  QDialog::reject();
}

}  // namespace korain
