// The preferences dialog: the working settings, and the fonts and scaling of
// the drawing on screen and on the printer, kept in "Tessaly.ini" on Ok.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>

#include "editor.h"
#include "preferences.h"
#include "widgets/number_field.h"

namespace korain {

class FM_Pref : public QDialog {
  Q_OBJECT

 public:
  FM_Pref(Editor& editor, std::string iniPath, QWidget* parent = nullptr);

  // Cancel, Escape or the close box: nothing stored, and a previewed screen
  // setting is taken back.
  void reject() override;

 private:
  QWidget* generalPage();
  QWidget* devicePage();
  // OP_Device_<index>: shows the fields of its device when clicked.
  QRadioButton* deviceOption(QWidget* page, const char* caption, int index, OutputDevice device);
  void fillGeneral();
  void fillDevice(const DisplayConfig& device);
  void keepDeviceFields();
  void chooseDevice(OutputDevice device);
  void preview();
  void confirm();

  Editor& editor_;
  std::string iniPath_;
  Preferences working_;
  OutputDevice shown_ = OutputDevice::Screen;
  // The drawing's settings when the dialog opened, for Cancel after Preview.
  DisplayConfig screenBefore_;
  bool previewed_ = false;

  QLineEdit* path_ = nullptr;         // TX_Path
  NumberField* radius_ = nullptr;     // TX_Radius
  NumberField* mouse_ = nullptr;      // TX_Mouse
  NumberField* zoom_ = nullptr;       // TX_Zoom
  QCheckBox* backup_ = nullptr;       // OP_Bak
  NumberField* density_ = nullptr;    // TX_SteelDensity
  NumberField* deduction_ = nullptr;  // TX_ThicknessDeduction
  QComboBox* font_ = nullptr;         // CB_Font
  // The label text sizes.
  NumberField* panelSize_ = nullptr;      // TX_Panel
  NumberField* nodeSize_ = nullptr;       // TX_Node
  NumberField* stiffenerSize_ = nullptr;  // TX_Stiff
  NumberField* axisSize_ = nullptr;       // TX_Axis
  NumberField* margin_ = nullptr;         // TX_Margin
  NumberField* factor_ = nullptr;         // TX_Factor
};

}  // namespace korain
