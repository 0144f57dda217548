// The print dialog of the data report: the items, the printer, the fonts,
// the first page's number, the front page's texts and the margins.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <array>

#include "dialogs/printer_catalogue.h"
#include "editor.h"
#include "report_settings.h"
#include "widgets/number_field.h"

namespace korain {

class FM_Print : public QDialog {
  Q_OBJECT

 public:
  // What the dialog closed with, as its exec() result.
  enum Outcome { Cancelled = QDialog::Rejected, Print = QDialog::Accepted, Preview };

  FM_Print(Editor& editor, const PrinterCatalogue& printers, ReportSettings settings,
           QWidget* parent = nullptr);

  // The settings as the controls left them (after Print or Preview).
  const ReportSettings& settings() const { return settings_; }

 private:
  QWidget* itemsBox();
  QWidget* pageBox();
  QWidget* marginsBox();
  void fillControls();
  void getControls();
  // The checks before printing or previewing: an item chosen, and for
  // printing the margins answered; false keeps the dialog open.
  bool confirmed(Outcome outcome);
  void finish(Outcome outcome);

  Editor& editor_;
  const PrinterCatalogue& printers_;
  ReportSettings settings_;

  QListWidget* items_ = nullptr;  // LI_Print
  QComboBox* printer_ = nullptr;  // CB_Printer
  QComboBox* font_ = nullptr;     // CB_Font
  NumberField* fontSize_ = nullptr;
  QComboBox* symbol_ = nullptr;  // CB_Symbol
  NumberField* startPage_ = nullptr;
  QLineEdit* userName_ = nullptr;      // TX_User_0
  QLineEdit* organisation_ = nullptr;  // TX_User_1
  struct {
    NumberField* foot = nullptr;    // TX_Margin_0
    NumberField* bottom = nullptr;  // TX_Margin_1
    NumberField* left = nullptr;    // TX_Margin_2
  } margins_;
};

}  // namespace korain
