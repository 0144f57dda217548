// The drawing print dialog: the printer, the title block's typed lines, the
// normalised scale (and whether the drawing fits the paper at it), the
// preview, and what the printed drawing shows.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <cstddef>

#include "dialogs/drawing_picture.h"
#include "dialogs/printer_catalogue.h"
#include "drawing_print_settings.h"
#include "session.h"

namespace korain {

class FM_Cartouche : public QDialog {
  Q_OBJECT

 public:
  // The boxes start from the session's display word; the session itself is
  // only read.
  FM_Cartouche(const Session& session, const PrinterCatalogue& printers,
               DrawingPrintSettings settings, QWidget* parent = nullptr);

  // What the controls held when "&Ok" closed the dialog.
  const DrawingPrintSettings& settings() const { return settings_; }
  // The display options of the printed drawing: the session's, with the
  // display word of the "Plot :" boxes.
  const DisplayOptions& display() const { return display_; }

 private:
  void buildControls();
  QLayout* printerRow();
  QLayout* optionsRow();
  QLayout* okCancelRow();
  QWidget* titleBox();
  // TX_Print_<line>: the title block's typed line `line`, 0 to 2.
  QLineEdit* typedLine(std::size_t line) const;
  QWidget* plotBox();
  void fillControls();
  void getControls();
  void viewClicked(std::size_t box, bool ticked);
  void showFit(std::size_t field);
  void showScale();
  QImage smallDrawing(QSize size) const;

  const Session& session_;
  const PrinterCatalogue& printers_;
  DrawingPrintSettings settings_;
  DisplayOptions display_;
  DisplayConfig printLabels_;  // the printed drawing's labels, as the printer's settings say

  QComboBox* printer_ = nullptr;          // CB_Printer
  QCheckBox* normalisedScale_ = nullptr;  // OP_NormScale
  QCheckBox* preview_ = nullptr;          // OP_Preview
  QLabel* scale_ = nullptr;               // LB_Scale: the normalised scale on the paper, or why not
  DrawingPicture* picture_ = nullptr;     // PIC_Section
};

}  // namespace korain
