// The main window's Print Data: the print dialog, then the data report on the
// chosen printer, a PDF file or the preview's pages, with a busy pointer and,
// for a report that takes a while, a progress dialog whose Cancel stops it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProgressDialog>
#include <memory>

#include "dialogs/fm_print.h"
#include "dialogs/fm_print_screen.h"
#include "drawing_print_settings.h"
#include "identity.h"
#include "main/fm_main.h"
#include "output_folder.h"
#include "print_surface_qt.h"
#include "printer_print_surface.h"
#include "report_pictures.h"
#include "title_block_now.h"
#include "widgets/wait_cursor.h"

namespace korain {
namespace {

constexpr qint64 kQuietMilliseconds = 500;

// Shows the pages counted once the report has run for half a second, and
// lets the user stop it there.
class ReportProgress {
 public:
  explicit ReportProgress(QWidget* parent) : parent_(parent) { clock_.start(); }

  // After each finished page: false once the user asked to stop.
  bool pageDone(int page) {
    if (dialog_ == nullptr && clock_.elapsed() > kQuietMilliseconds) {
      dialog_ = std::make_unique<QProgressDialog>("", "&Cancel", 0, 0, parent_);
      dialog_->setObjectName("FM_Progress");
      dialog_->setWindowTitle("Print");
      dialog_->setWindowModality(Qt::ApplicationModal);
      dialog_->setMinimumDuration(0);
      dialog_->show();
    }
    if (dialog_ == nullptr) return true;
    dialog_->setLabelText(QString("Printing page %1...").arg(page + 1));
    QCoreApplication::processEvents();
    return !dialog_->wasCanceled();
  }

 private:
  QWidget* parent_;
  QElapsedTimer clock_;
  std::unique_ptr<QProgressDialog> dialog_;
};

// Runs the report on the surface; false when the user stopped it.
bool runReport(PainterPrintSurface& surface, QWidget* parent, const Session& session,
               ReportSettings settings) {
  const WaitCursor wait;
  ReportProgress progress(parent);
  surface.setPageListener([&progress](int page) { return progress.pageDone(page); });
  // The report's drawings are labelled as the printer's settings say.
  const DisplayConfig labels = session.iniPath().empty()
                                   ? defaultDisplayConfig()
                                   : readDisplayConfig(session.iniPath(), OutputDevice::Printer);
  const Section* section = session.hullSection();
  const DrawingScene scene{session.arrangement(), section, session.ship(), session.display(),
                           labels};
  surface.setPicturePainter(reportPicturePainter(scene));
  ReportRequest request;
  request.Items = settings.items;
  request.DatabaseName =
      QFileInfo(QString::fromStdString(session.database().DatabasePath)).fileName().toStdString();
  // The front page takes the title lines typed for the drawing print.
  TitleBlockInput titles = titleBlockInputNow(static_cast<Integer>(session.display().CurrentPanel),
                                              session.identification());
  if (!session.iniPath().empty()) {
    titles.TypedLines = readDrawingPrintSettings(session.iniPath()).titleLines;
  }
  request.Titles = fillTitleBlock(titles, session.arrangement(), session.ship());
  request.ShipPresence = session.database().ShipPresence;
  request.SteelDensity = session.run().paths.SteelDensity;
  request.ThicknessDeduction = session.run().paths.ThicknessDeduction;
  settings.setup.LoginName = loginName();
  printReport(surface, settings.setup, session.arrangement(), session.ship(), request);
  surface.endDocument();
  return !surface.stopped();
}

}  // namespace

void FM_Main::printData() {
  const std::string& ini = session().iniPath();
  ReportSettings settings;
  if (ini.empty()) {
    settings.items.fill(true);
  } else {
    settings = readReportSettings(ini);
  }
  const SystemPrinters printers;
  FM_Print dialog(*this, printers, settings, this);
  const int outcome = dialog.exec();
  if (outcome == FM_Print::Cancelled) return;
  settings = dialog.settings();
  if (!ini.empty()) {
    if (const ConfigWriteResult written = writeReportSettings(ini, settings); !written.ok()) {
      session().report(written.error);
    }
  }
  if (outcome == FM_Print::Preview) {
    previewReport(settings);
  } else {
    printReportOn(settings);
  }
}

void FM_Main::previewReport(const ReportSettings& settings) {
  PreviewPrintSurface pages;
  if (!runReport(pages, this, session(), settings)) return;
  FM_PrintScreen browser(pages.pages(), this);
  browser.exec();
}

std::optional<std::string> FM_Main::askPdfFileName() {
  return prompt().askFileName({.title = "Print to PDF file",
                               .filter = "PDF file (*.pdf)|*.pdf",
                               .defaultExtension = "pdf",
                               .initialName = outputFolder({}, session().database().DatabasePath),
                               .save = true});
}

void FM_Main::printReportOn(const ReportSettings& settings) {
  const QString printer = QString::fromStdString(settings.printer);
  if (printer != kPdfFilePrinter) {
    const std::unique_ptr<QPrinter> device = systemPrinter(printer);
    PrinterPrintSurface surface(*device);
    runReport(surface, this, session(), settings);
    return;
  }
  const std::optional<std::string> path = askPdfFileName();
  if (!path) return;
  PdfPrintSurface surface(*path, {.title = session().arrangement().Name, .created = {}});
  // A stopped report leaves no file: the surface keeps what it writes aside
  // until the document is ended whole.
  if (runReport(surface, this, session(), settings) && !surface.written()) {
    reportMessage(*path + ": cannot be written: " + surface.error());
  }
}

}  // namespace korain
