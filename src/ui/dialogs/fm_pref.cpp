// The preferences dialog: both tabs filled when it opens, the device fields
// kept per device in a working pair, everything stored on Ok.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_pref.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "configuration_ranges.h"
#include "widgets/ok_cancel.h"

namespace korain {
namespace {

// The range is the one the configuration file is held to when it is read.
NumberField* numberField(const char* name, const ValueRange& range, QWidget* parent) {
  auto* field = new NumberField(parent);
  field->setObjectName(name);
  field->setRange(range.minimum, range.maximum);
  if (range.whole) field->setWholeNumbers();
  return field;
}

}  // namespace

FM_Pref::FM_Pref(Editor& editor, std::string iniPath, QWidget* parent)
    : QDialog(parent),
      editor_(editor),
      iniPath_(std::move(iniPath)),
      working_(currentPreferences(editor.session(), iniPath_)),
      screenBefore_(editor.session().screen()) {
  setObjectName("FM_Pref");
  setWindowTitle("Preferences");
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName("TAB_Pref");
  tabs->addTab(generalPage(), "General");
  tabs->addTab(devicePage(), "Fonts and scaling");

  const auto [ok, cancel, buttons] = makeOkCancel(*this);
  auto* previewButton = new QPushButton("&Preview", this);
  previewButton->setObjectName("BT_Preview");
  buttons->insertWidget(1, previewButton);
  connect(ok, &QPushButton::clicked, this, &FM_Pref::confirm);
  connect(cancel, &QPushButton::clicked, this, &FM_Pref::reject);
  connect(previewButton, &QPushButton::clicked, this, &FM_Pref::preview);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addLayout(buttons);

  fillGeneral();
  fillDevice(working_.screen);
}

QWidget* FM_Pref::generalPage() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  path_ = new QLineEdit(page);
  path_->setObjectName("TX_Path");
  path_->setMinimumWidth(320);
  form->addRow("Defautl Data &Path :", path_);
  radius_ = numberField("TX_Radius", config_range::kCircleRadius, page);
  form->addRow("Default circle &radius :", radius_);
  mouse_ = numberField("TX_Mouse", config_range::kMouseTolerance, page);
  form->addRow("&Mouse Tolerance :", mouse_);
  zoom_ = numberField("TX_Zoom", config_range::kZoomFactor, page);
  form->addRow("&Zoom Factor :", zoom_);
  backup_ = new QCheckBox("Make &bak file on save", page);
  backup_->setObjectName("OP_Bak");
  form->addRow(backup_);
  density_ = numberField("TX_SteelDensity", config_range::kSteelDensity, page);
  form->addRow("Steel &density (t/m³) :", density_);
  deduction_ = numberField("TX_ThicknessDeduction", config_range::kThicknessDeduction, page);
  form->addRow("&Net thickness deduction (mm) :", deduction_);
  return page;
}

QWidget* FM_Pref::devicePage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  auto* choice = new QHBoxLayout;
  QRadioButton* screen = deviceOption(page, "Screen", 0, OutputDevice::Screen);
  choice->addWidget(screen);
  choice->addWidget(deviceOption(page, "Printer", 1, OutputDevice::Printer));
  choice->addStretch(1);
  screen->setChecked(true);
  layout->addLayout(choice);

  auto* form = new QFormLayout;
  font_ = new QComboBox(page);
  font_->setObjectName("CB_Font");
  font_->addItems(QFontDatabase::families());
  form->addRow("Name :", font_);
  panelSize_ = numberField("TX_Panel", config_range::kLabelSize, page);
  form->addRow("Panels :", panelSize_);
  nodeSize_ = numberField("TX_Node", config_range::kLabelSize, page);
  form->addRow("Nodes :", nodeSize_);
  stiffenerSize_ = numberField("TX_Stiff", config_range::kLabelSize, page);
  form->addRow("Stiffeners :", stiffenerSize_);
  axisSize_ = numberField("TX_Axis", config_range::kLabelSize, page);
  form->addRow("Axis && strakes :", axisSize_);
  margin_ = numberField("TX_Margin", config_range::kDrawingMargin, page);
  form->addRow("Margin % of section size :", margin_);
  factor_ = numberField("TX_Factor", config_range::kReductionFactor, page);
  form->addRow("Reduction factor :", factor_);
  layout->addLayout(form);
  layout->addStretch(1);
  return page;
}

QRadioButton* FM_Pref::deviceOption(QWidget* page, const char* caption, int index,
                                    OutputDevice device) {
  auto* option = new QRadioButton(caption, page);
  option->setObjectName("OP_Device_" + QString::number(index));
  connect(option, &QRadioButton::clicked, this, [this, device] { chooseDevice(device); });
  return option;
}

void FM_Pref::fillGeneral() {
  path_->setText(QString::fromStdString(working_.DataPath));
  radius_->showValue(working_.CircleRadius);
  mouse_->showValue(working_.MouseTolerance);
  zoom_->showValue(working_.ZoomFactor);
  backup_->setChecked(working_.MakeBackup);
  density_->showValue(working_.SteelDensity);
  deduction_->showValue(working_.ThicknessDeduction);
}

void FM_Pref::fillDevice(const DisplayConfig& device) {
  const QString name = QString::fromStdString(device.FontName);
  // A font of the file that is not installed stays offered, so that Ok keeps it.
  if (font_->findText(name) < 0) font_->insertItem(0, name);
  font_->setCurrentIndex(font_->findText(name));
  panelSize_->showValue(device.PanelFontSize);
  nodeSize_->showValue(device.NodeFontSize);
  stiffenerSize_->showValue(device.StiffenerFontSize);
  axisSize_->showValue(device.AxisFontSize);
  margin_->showValue(device.Margin);
  factor_->showValue(device.ReductionFactor);
}

void FM_Pref::keepDeviceFields() {
  DisplayConfig& device = working_.device(shown_);
  device.FontName = font_->currentText().toStdString();
  device.PanelFontSize = panelSize_->wholeValue();
  device.NodeFontSize = nodeSize_->wholeValue();
  device.StiffenerFontSize = stiffenerSize_->wholeValue();
  device.AxisFontSize = axisSize_->wholeValue();
  device.Margin = margin_->wholeValue();
  device.ReductionFactor = static_cast<Single>(factor_->value());
}

void FM_Pref::chooseDevice(OutputDevice device) {
  if (device == shown_) return;
  keepDeviceFields();
  shown_ = device;
  fillDevice(working_.device(device));
}

void FM_Pref::preview() {
  keepDeviceFields();
  Session& session = editor_.session();
  previewed_ = true;
  session.setScreen(working_.screen);
}

void FM_Pref::reject() {
  if (previewed_) {
    editor_.session().setScreen(screenBefore_);
  }
  QDialog::reject();
}

void FM_Pref::confirm() {
  if (!settleNumberFields(*this)) return;
  keepDeviceFields();
  working_.DataPath = path_->text().toStdString();
  working_.CircleRadius = static_cast<Single>(radius_->value());
  working_.MouseTolerance = static_cast<Single>(mouse_->value());
  working_.ZoomFactor = static_cast<Single>(zoom_->value());
  working_.MakeBackup = backup_->isChecked();
  working_.SteelDensity = static_cast<Single>(density_->value());
  working_.ThicknessDeduction = static_cast<Single>(deduction_->value());
  const PreferencesResult result = storePreferences(editor_.session(), iniPath_, working_);
  if (!result.stored) {
    editor_.prompt().showMessage(result.message);
    return;
  }
  if (!result.message.empty()) editor_.reportMessage(result.message);
  accept();
}

}  // namespace korain
