// The drawing print dialog: filled from the settings kept between prints and
// the drawing's display word; the small drawing follows the "Plot :" boxes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_cartouche.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <string>
#include <tuple>

#include "configuration.h"
#include "drawing_print.h"
#include "drawing_sheet.h"
#include "inch_units.h"
#include "text/text_utils.h"
#include "title_block_now.h"
#include "title_block_painter.h"
#include "view/display_boxes.h"
#include "widgets/display_box_checks.h"
#include "widgets/ok_cancel.h"

namespace korain {
namespace {

// The boxes stand in two columns read row by row: Nodes, Axis, Node numbers,
// Stools, ... Each is numbered as the display panel numbers it, so that box i
// means the same element in both dialogs.
constexpr std::array<std::size_t, kDisplayBoxCount> kPlacedBoxes = {2, 0, 3, 1, 4, 5, 6, 7, 8, 9};
constexpr int kBoxColumns = 2;
// The typed lines are lines 3 to 5 of the title block.
constexpr std::size_t kFirstTypedLine = 2;
constexpr std::size_t kTypedLineCount = std::tuple_size_v<decltype(TitleBlockInput::TypedLines)>;
// A warning's text: a dark red that reads on a light dialog.
const QColor kWarningColour(176, 0, 32);
// A printer's resolution, at which the fit of a typed line is told.
constexpr double kPrinterPixelsPerPoint = 600.0 / kPointsPerInch;

}  // namespace

FM_Cartouche::FM_Cartouche(const Session& session, const PrinterCatalogue& printers,
                           DrawingPrintSettings settings, QWidget* parent)
    : QDialog(parent),
      session_(session),
      printers_(printers),
      settings_(std::move(settings)),
      display_(session.display()),
      printLabels_(session.iniPath().empty()
                       ? defaultDisplayConfig()
                       : readDisplayConfig(session.iniPath(), OutputDevice::Printer)) {
  // The printed drawing carries its dimension chains unless their box is cleared.
  display_.DisplayWord = issuedDisplayWord(display_.DisplayWord);
  setObjectName("FM_Cartouche");
  setWindowTitle("Print");
  buildControls();
  fillControls();
  showScale();
  connect(printer_, &QComboBox::currentIndexChanged, this, &FM_Cartouche::showScale);
  connect(normalisedScale_, &QCheckBox::toggled, this, &FM_Cartouche::showScale);
}

// Made before the title and plot boxes, the printer, the scale options and the buttons come
// first as the focus moves through the dialog.
void FM_Cartouche::buildControls() {
  QLayout* printer = printerRow();
  QLayout* options = optionsRow();
  scale_ = new QLabel(this);
  scale_->setObjectName("LB_Scale");
  scale_->setWordWrap(true);
  QLayout* buttons = okCancelRow();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(printer);
  layout->addWidget(titleBox());
  layout->addLayout(options);
  layout->addWidget(scale_);
  layout->addWidget(plotBox(), 1);
  layout->addLayout(buttons);
}

QLayout* FM_Cartouche::printerRow() {
  auto* form = new QFormLayout;
  printer_ = new QComboBox(this);
  printer_->setObjectName("CB_Printer");
  printer_->addItems(printers_.names());
  form->addRow("&Printer :", printer_);
  return form;
}

QLayout* FM_Cartouche::optionsRow() {
  normalisedScale_ = new QCheckBox("&Normalized scale", this);
  normalisedScale_->setObjectName("OP_NormScale");
  preview_ = new QCheckBox("&Preview", this);
  preview_->setObjectName("OP_Preview");
  auto* options = new QHBoxLayout;
  options->addWidget(normalisedScale_);
  options->addWidget(preview_);
  options->addStretch(1);
  return options;
}

QLayout* FM_Cartouche::okCancelRow() {
  const auto [ok, cancel, buttons] = makeOkCancel(*this);
  connect(ok, &QPushButton::clicked, this, [this] {
    getControls();
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  return buttons;
}

QWidget* FM_Cartouche::titleBox() {
  auto* box = new QGroupBox("Title block", this);
  auto* layout = new QVBoxLayout(box);
  for (std::size_t i = 0; i < kTypedLineCount; ++i) {
    auto* line = new QLineEdit(box);
    line->setObjectName("TX_Print_" + QString::number(i));
    layout->addWidget(line);
    connect(line, &QLineEdit::textChanged, this, [this, i] {
      showFit(i);
      showScale();
    });
  }
  // A blank first or third line is filled with the ship's titles.
  typedLine(0)->setPlaceholderText(
      QString::fromStdString(std::string(trimmed(session_.ship().Titles.at(1)))));
  typedLine(2)->setPlaceholderText(
      QString::fromStdString(std::string(trimmed(session_.ship().Titles.at(2)))));
  return box;
}

QLineEdit* FM_Cartouche::typedLine(std::size_t line) const {
  return findChild<QLineEdit*>("TX_Print_" + QString::number(line));
}

QWidget* FM_Cartouche::plotBox() {
  auto* box = new QGroupBox("Plot :", this);
  auto* layout = new QHBoxLayout(box);
  auto* grid = new QGridLayout;
  for (std::size_t place = 0; place < kPlacedBoxes.size(); ++place) {
    QCheckBox* check =
        displayBoxCheck(box, kPlacedBoxes.at(place),
                        [this](std::size_t clicked, bool ticked) { viewClicked(clicked, ticked); });
    const int at = static_cast<int>(place);
    grid->addWidget(check, at / kBoxColumns, at % kBoxColumns);
  }
  layout->addLayout(grid);
  picture_ = new DrawingPicture([this](QSize size) { return smallDrawing(size); }, box);
  picture_->setMinimumSize(260, 180);
  layout->addWidget(picture_, 1);
  return box;
}

void FM_Cartouche::fillControls() {
  const int printer = printer_->findText(QString::fromStdString(settings_.printer));
  printer_->setCurrentIndex(std::max(printer, 0));
  for (std::size_t i = 0; i < kTypedLineCount; ++i) {
    typedLine(i)->setText(QString::fromStdString(settings_.titleLines.at(i)));
    showFit(i);
  }
  normalisedScale_->setChecked(settings_.normalisedScale);
  preview_->setChecked(settings_.preview);
  tickDisplayBoxes(*this, display_);
}

void FM_Cartouche::getControls() {
  settings_.printer = printer_->currentText().toStdString();
  for (std::size_t i = 0; i < kTypedLineCount; ++i) {
    settings_.titleLines.at(i) = typedLine(i)->text().toStdString();
  }
  settings_.normalisedScale = normalisedScale_->isChecked();
  settings_.preview = preview_->isChecked();
}

void FM_Cartouche::viewClicked(std::size_t box, bool ticked) {
  display_.DisplayWord =
      withDisplayBox(display_.DisplayWord, box, ticked ? Tick::Ticked : Tick::Cleared);
  picture_->redraw();
  showScale();
}

// With the normalised scale, the scale the drawing is printed at on the
// chosen printer's paper; a warning where the drawing does not fit that paper
// at the scale the sheet's size first gives, which then gives way to the
// largest that fits.
void FM_Cartouche::showScale() {
  scale_->setVisible(normalisedScale_->isChecked());
  if (!normalisedScale_->isChecked()) return;
  TitleBlockInput input = titleBlockInputNow(static_cast<Integer>(session_.display().CurrentPanel),
                                             session_.identification());
  for (std::size_t i = 0; i < kTypedLineCount; ++i) {
    input.TypedLines.at(i) = typedLine(i)->text().toStdString();
  }
  const DrawingPrint print{
      .titleBlock = fillTitleBlock(input, session_.arrangement(), session_.ship()),
      .scale = PrintScale::Normalised};
  const DrawingScene scene{session_.arrangement(), session_.hullSection(), session_.ship(),
                           display_, printLabels_};
  const QPageLayout layout = printers_.drawingLayout(printer_->currentText());
  const std::string printed =
      "1:" + std::to_string(std::lround(printedRatio(layout, print, scene)));
  const std::optional<ScaleMisfit> misfit = scaleMisfit(layout, print, scene);
  QPalette palette = scale_->palette();
  palette.setColor(QPalette::WindowText, misfit ? kWarningColour : palette.color(QPalette::Text));
  scale_->setPalette(palette);
  if (!misfit) {
    scale_->setText(QString::fromStdString("Printed at " + printed + " on " +
                                           layout.pageSize().name().toStdString() + " paper."));
    return;
  }
  std::string text = misfitText(*misfit, layout.pageSize());
  text.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
  scale_->setText(
      QString::fromStdString(text + (misfit->largestThatFits ? ", at which it is printed." : ".")));
}

// The field's tooltip tells how its line will print: whole at its usual
// size, smaller, or wrapped at the smallest size.
void FM_Cartouche::showFit(std::size_t field) {
  QLineEdit& line = *typedLine(field);
  const QString text = line.text().trimmed().isEmpty() ? line.placeholderText() : line.text();
  const double usual =
      fitTitleBlockLine({}, kFirstTypedLine + field, {}, kPrinterPixelsPerPoint).points;
  const TitleLineFit fit =
      fitTitleBlockLine(text, kFirstTypedLine + field,
                        QString::fromStdString(session_.screen().FontName), kPrinterPixelsPerPoint);
  if (fit.lines.size() > 1) {
    line.setToolTip(QString("Too long for one line: wrapped on %1 lines at %2 pt")
                        .arg(fit.lines.size())
                        .arg(kSmallestTitlePoints));
  } else if (fit.points < usual) {
    line.setToolTip(QString("Printed smaller to fit: %1 pt").arg(fit.points, 0, 'f', 1));
  } else {
    line.setToolTip(QString("Fits whole at %1 pt").arg(usual, 0, 'f', 1));
  }
}

QImage FM_Cartouche::smallDrawing(QSize size) const {
  QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image.fill(Qt::white);
  const Section* section = session_.hullSection();
  const DrawingScene scene{session_.arrangement(), section, session_.ship(), display_,
                           session_.screen()};
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // Small as it is, the drawing lets crowded labels give way, as on screen.
  paintDrawingSheet(painter, QRectF(image.rect()), kScreenDpi,
                    {.titleBlock = {}, .scaleRatio = 0, .labels = LabelPolicy::GiveWay}, scene);
  return image;
}

}  // namespace korain
