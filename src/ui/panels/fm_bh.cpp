// The bulkhead panel: its controls, how they are filled from the current
// bulkhead and how each change goes back into it.
#include "panels/fm_bh.h"

#include <QFrame>
#include <QGridLayout>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "model/codes.h"
#include "ship/ship_queries.h"
#include "view_state.h"

namespace korain {
namespace {

constexpr char kDataChanges[] = "Bulkhead data changes";
constexpr char kStoolChanges[] = "Enable stool changes";
constexpr char kSlopedChanges[] = "Enable upper stool sloped changes";

// A stored Z this close to zero was never given.
constexpr double kNotGiven = 0.001;

// The enabled flag and top of stool 0 (lower) or 1 (upper).
struct Stool {
  bool& enabled;
  Single& z;
};

Stool stoolOf(Bulkhead& bulkhead, std::size_t i) {
  return i == 0 ? Stool{bulkhead.Stool1Enabled, bulkhead.Stool1Z}
                : Stool{bulkhead.Stool2Enabled, bulkhead.Stool2Z};
}

using CodeText = std::optional<std::string_view> (*)(Long);

QComboBox* codeList(const char* name, CodeText textOf, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  list->setMinimumContentsLength(10);
  for (Long code = 0; const std::optional<std::string_view> text = textOf(code); ++code) {
    list->addItem(QString::fromUtf8(text->data(), static_cast<qsizetype>(text->size())));
  }
  return list;
}

// A code the list has no item for shows no item.
void showCode(QComboBox& list, Long code) {
  list.setCurrentIndex(code >= 0 && code < list.count() ? static_cast<int>(code) : -1);
}

// A list showing no item leaves the stored code as it was, so that a code the
// list cannot show is not lost when another field changes.
template <typename Code>
Code chosenCode(const QComboBox& list, Code stored, int offset = 0) {
  return list.currentIndex() < 0 ? stored : static_cast<Code>(list.currentIndex() + offset);
}

QLabel* buddyLabel(const QString& caption, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

FM_Bh::FM_Bh(Editor& editor, QWidget* parent) : Panel(editor, PanelCode::Bulkhead, true, parent) {
  setObjectName("FM_Bh");
  buildControls();

  connect(name_, &CommitField::committed, this, [this] {
    if (changeData(Follow::CaptionOnly)) this->editor().refreshBulkheadSelector();
  });
  connect(type_, &QComboBox::activated, this, [this] {
    // The stiffener and corrugation tools depend on the type.
    if (changeData(Follow::CaptionOnly)) this->editor().refreshMenuToolBar();
  });
  connect(material_, &QComboBox::activated, this, [this] { changeData(Follow::CaptionOnly); });
  connect(side_, &QComboBox::activated, this, [this] { changeData(Follow::CaptionOnly); });
  connect(direction_, &QComboBox::activated, this, [this] { changeData(Follow::RefreshAll); });
  for (std::size_t i = 0; i < stool_.size(); ++i) {
    connect(stoolZ_[i], &NumberField::committed, this, [this] { changeData(Follow::RefreshAll); });
    connect(stool_[i], &QCheckBox::clicked, this, &FM_Bh::stoolClicked);
  }
  connect(upperStoolSloped_, &QCheckBox::clicked, this, &FM_Bh::upperStoolSlopedClicked);
}

void FM_Bh::buildControls() {
  form_ = new QWidget(this);
  auto* grid = new QGridLayout(form_);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setColumnStretch(1, 1);

  name_ = new CommitField(form_);
  name_->setObjectName("FTX_Name");
  type_ = codeList("CB_Type", bulkheadTypeText, form_);
  material_ = new QComboBox(form_);
  material_->setObjectName("CB_Mat");
  material_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  material_->setMinimumContentsLength(10);
  direction_ = codeList("CB_HorVer", directionText, form_);
  side_ = codeList("CB_ForeAft", sideText, form_);

  int row = 0;
  grid->addWidget(buddyLabel("&Name :", name_, form_), row, 0);
  grid->addWidget(name_, row++, 1);
  grid->addWidget(buddyLabel("&Type :", type_, form_), row, 0);
  grid->addWidget(type_, row++, 1);
  grid->addWidget(buddyLabel("&Material :", material_, form_), row, 0);
  grid->addWidget(material_, row++, 1);
  // The two long captions read as sentences ending in the list's choice, so
  // each list sits under its caption across the panel's width.
  grid->addWidget(buddyLabel("&Ordinary Stiffeners are", direction_, form_), row++, 0, 1, 2);
  grid->addWidget(direction_, row++, 0, 1, 2);
  grid->addWidget(buddyLabel("&Stiffeners are located in the", side_, form_), row++, 0, 1, 2);
  grid->addWidget(side_, row++, 0, 1, 2);

  auto* rule = new QFrame(form_);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  grid->addWidget(rule, row++, 0, 1, 2);

  const std::array<const char*, 2> stoolCaptions = {"Lower stool", "Upper stool"};
  for (std::size_t i = 0; i < stool_.size(); ++i) {
    const QString index = QString::number(i);
    stool_[i] = new QCheckBox(stoolCaptions[i], form_);
    stool_[i]->setObjectName("OP_Stool_" + index);
    stoolZ_[i] = new NumberField(form_);
    stoolZ_[i]->setObjectName("FTX_m_" + index);
    stoolZLabel_[i] = buddyLabel("Z top / BL :", stoolZ_[i], form_);
    grid->addWidget(stool_[i], row++, 0, 1, 2);
    grid->addWidget(stoolZLabel_[i], row, 0);
    grid->addWidget(stoolZ_[i], row++, 1);
  }
  upperStoolSloped_ = new QCheckBox("Upper stool is sloped", form_);
  upperStoolSloped_->setObjectName("OP_UpStoolSloped");
  grid->addWidget(upperStoolSloped_, row, 0, 1, 2);

  body()->addWidget(form_);
}

void FM_Bh::refreshControls() {
  const RefreshingScope refreshing(session());
  fillMaterials();
  Arrangement& a = arrangement();
  if (a.Bulkheads.count() == 0) {
    showNoBulkhead();
    return;
  }
  form_->setEnabled(true);
  if (a.CurBulkhead == 0) a.CurBulkhead = 1;
  if (!a.Bulkheads.inBounds(a.CurBulkhead)) return;
  Bulkhead& bulkhead = a.Bulkheads.at(a.CurBulkhead);
  name_->showText(QString::fromStdString(bulkhead.Name));
  showCode(*material_, bulkhead.iMat - 1);
  showCode(*direction_, bulkhead.stfHV);
  showCode(*side_, bulkhead.stfside);
  showCode(*type_, bulkhead.Typ);
  refreshStoolControls(bulkhead);
}

void FM_Bh::fillMaterials() {
  QStringList names;
  for (const ShipMaterial& material : shipMaterials(session().ship())) {
    names << QString::fromStdString(material.Name);
  }
  QStringList shown;
  for (int i = 0; i < material_->count(); ++i) shown << material_->itemText(i);
  if (shown == names) return;
  material_->clear();
  material_->addItems(names);
}

void FM_Bh::showNoBulkhead() {
  name_->showText({});
  for (QComboBox* list : {type_, material_, direction_, side_}) list->setCurrentIndex(-1);
  for (std::size_t i = 0; i < stool_.size(); ++i) {
    stool_[i]->setChecked(false);
    stoolZ_[i]->showEmpty();
  }
  upperStoolSloped_->setChecked(false);
  form_->setEnabled(false);
}

void FM_Bh::refreshStoolControls(Bulkhead& bulkhead) {
  const RefreshingScope refreshing(session());
  for (std::size_t i = 0; i < stool_.size(); ++i) {
    const Stool stool = stoolOf(bulkhead, i);
    // A stool given no top starts at the bulkhead's lowest point (lower stool)
    // or highest point (upper stool), and keeps that top from now on.
    // A bulkhead without a contour has no height yet: nothing to start from.
    const bool hasHeight = bulkhead.ZMin <= bulkhead.ZMax;
    const Single limit = i == 0 ? bulkhead.ZMin : bulkhead.ZMax;
    stool_[i]->setChecked(stool.enabled);
    if (hasHeight) {
      stoolZ_[i]->setRange(bulkhead.ZMin, bulkhead.ZMax);
      if (std::abs(stool.z) < kNotGiven) stool.z = limit;
      stoolZ_[i]->showValue(stool.enabled ? stool.z : limit);
    } else {
      stoolZ_[i]->setRange(std::numeric_limits<double>::lowest(),
                           std::numeric_limits<double>::max());
      stoolZ_[i]->showValue(stool.z);
    }
    stoolZ_[i]->setEnabled(stool.enabled);
    stoolZLabel_[i]->setEnabled(stool.enabled);
  }
  upperStoolSloped_->setChecked(bulkhead.UpperStoolSloped);
  upperStoolSloped_->setEnabled(bulkhead.Stool2Enabled);
}

void FM_Bh::getControls(Bulkhead& bulkhead) const {
  bulkhead.Name = name_->text().toStdString();
  bulkhead.Stool1Z = static_cast<Single>(stoolZ_[0]->value());
  bulkhead.Stool2Z = static_cast<Single>(stoolZ_[1]->value());
  bulkhead.iMat = chosenCode(*material_, bulkhead.iMat, 1);
  bulkhead.stfHV = chosenCode(*direction_, bulkhead.stfHV);
  bulkhead.stfside = chosenCode(*side_, bulkhead.stfside);
  bulkhead.Typ = chosenCode(*type_, bulkhead.Typ);
  getStoolOptions(bulkhead);
}

void FM_Bh::getStoolOptions(Bulkhead& bulkhead) const {
  bulkhead.Stool1Enabled = stool_[0]->isChecked();
  bulkhead.Stool2Enabled = stool_[1]->isChecked();
}

bool FM_Bh::changeData(Follow follow) {
  Bulkhead* bulkhead = currentBulkhead();
  if (editor().refreshing() || bulkhead == nullptr) return false;
  editor().recordUndo(kDataChanges);
  getControls(*bulkhead);
  if (follow == Follow::RefreshAll) {
    editor().refreshAll();
  } else {
    editor().refreshCaption();
  }
  return true;
}

void FM_Bh::stoolClicked() {
  Bulkhead* bulkhead = currentBulkhead();
  if (editor().refreshing() || bulkhead == nullptr) return;
  editor().recordUndo(kStoolChanges);
  getStoolOptions(*bulkhead);
  refreshStoolControls(*bulkhead);
  editor().computeGeometry();
  editor().refreshDrawing();
}

void FM_Bh::upperStoolSlopedClicked(bool ticked) {
  Bulkhead* bulkhead = currentBulkhead();
  if (editor().refreshing() || bulkhead == nullptr) return;
  editor().recordUndo(kSlopedChanges);
  bulkhead->UpperStoolSloped = ticked;
  refreshStoolControls(*bulkhead);
  editor().computeGeometry();
  editor().refreshDrawing();
}

void FM_Bh::addItem() {
  Arrangement& a = arrangement();
  const int n = a.Bulkheads.count() + 1;
  a.CurBulkhead = static_cast<Integer>(n);
  a.Bulkheads.growTo(n);
  Bulkhead& added = a.Bulkheads.at(n);
  added.Name = "New Bulkhead " + std::to_string(n);
  added.iMat = defaultPlatingMaterial(session().ship());
}

void FM_Bh::removeItem() {
  Arrangement& a = arrangement();
  const Integer index = a.CurBulkhead;
  if (!a.Bulkheads.inBounds(index)) return;
  if (!confirmErase("bulkhead " + std::to_string(index))) return;
  // The bulkhead's own lists go with it; an index inside the list cannot fail.
  a.Bulkheads.remove(index);
  if (a.CurBulkhead > a.Bulkheads.count()) a.CurBulkhead = 0;
}

}  // namespace korain
