// The main window's Print Drawing and Copy Section Drawing: the drawing print
// dialog, the sheet on a printer, into a PDF file or in the preview, and the
// drawing onto the clipboard.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QGuiApplication>

#include "dialogs/fm_cartouche.h"
#include "dialogs/fm_preview.h"
#include "drawing/fm_graph.h"
#include "drawing_printer.h"
#include "main/fm_main.h"
#include "title_block_now.h"
#include "widgets/wait_cursor.h"

namespace korain {
namespace {

const Section* hullSectionOf(const Session& session) { return session.hullSection(); }

}  // namespace

void FM_Main::printDrawing() {
  const std::string& ini = session().iniPath();
  DrawingPrintSettings settings =
      ini.empty() ? DrawingPrintSettings{} : readDrawingPrintSettings(ini);
  const SystemPrinters printers;
  FM_Cartouche dialog(session(), printers, settings, this);
  if (dialog.exec() != QDialog::Accepted) return;
  settings = dialog.settings();
  if (!ini.empty()) {
    if (const ConfigWriteResult written = writeDrawingPrintSettings(ini, settings); !written.ok()) {
      session().report(written.error);
    }
  }
  // The printed drawing is labelled as the printer's settings say, and shows
  // what the dialog's boxes chose; the window's drawing keeps its own.
  const DisplayConfig labels =
      ini.empty() ? defaultDisplayConfig() : readDisplayConfig(ini, OutputDevice::Printer);
  const DisplayOptions display = dialog.display();
  const DrawingScene scene{session().arrangement(), hullSectionOf(session()), session().ship(),
                           display, labels};
  TitleBlockInput input = titleBlockInputNow(static_cast<Integer>(session().display().CurrentPanel),
                                             session().identification());
  input.TypedLines = settings.titleLines;
  const DrawingPrint print{
      .titleBlock = fillTitleBlock(input, session().arrangement(), session().ship()),
      .scale = settings.normalisedScale ? PrintScale::Normalised : PrintScale::Fitted};
  const QString printer = QString::fromStdString(settings.printer);
  if (!settings.preview) {
    printSheetOn(printer, print, scene);
    return;
  }
  FM_Preview preview(
      scene, drawingLayoutFor(printer), print,
      [this, &printer, &print, &scene] { printSheetOn(printer, print, scene); }, this);
  preview.exec();
}

void FM_Main::printSheetOn(const QString& printer, const DrawingPrint& print,
                           const DrawingScene& scene) {
  std::string error;
  if (printer != kPdfFilePrinter) {
    const WaitCursor wait;
    const std::unique_ptr<QPrinter> device = systemPrinter(printer);
    device->setPageOrientation(QPageLayout::Landscape);
    if (!printDrawingOn(*device, print, scene, error)) reportMessage(error);
    return;
  }
  const std::optional<std::string> path = askPdfFileName();
  if (!path) return;
  const WaitCursor wait;
  if (!printDrawingToPdf(*path, drawingLayoutFor(printer), print, scene, error)) {
    reportMessage(*path + ": cannot be written: " + error);
  }
}

void FM_Main::copyDrawing() {
  const WaitCursor wait;
  const DrawingScene scene{session().arrangement(), hullSectionOf(session()), session().ship(),
                           session().display(), session().screen()};
  QGuiApplication::clipboard()->setMimeData(
      drawingMimeData(drawing().size(), std::nullopt, scene, drawing().visibleWindow()).release());
}

}  // namespace korain
