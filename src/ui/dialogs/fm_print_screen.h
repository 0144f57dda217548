// The page browser of the report's preview: one page at a time, with the
// next and previous pages a click away, fitted to the window's width or to
// the whole page, or zoomed, and painted anew at the size it is shown.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollArea>
#include <vector>

#include "print_surface_qt.h"

namespace korain {

class FM_PrintScreen : public QDialog {
  Q_OBJECT

 public:
  explicit FM_PrintScreen(std::vector<PreviewPage> pages, QWidget* parent = nullptr);

  int currentPage() const { return current_; }  // 0-based

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // How the page's size follows the window: fitted to it, or a zoom factor
  // of its size on paper.
  enum class Fit { Width, Page, Zoom };

  void buildPageView();
  void buildPageButtons();
  void buildZoomControls();
  // A zoom button, and the keys that do the same, multiplying the zoom by a factor.
  QPushButton* zoomButton(const char* caption, const char* name, QKeySequence::StandardKey keys,
                          double factor);
  QLayout* buttonRow();
  void showPage(int page);
  void fitTo(Fit fit);
  void zoomTo(double zoom);
  void zoomBy(double factor);
  void takeTypedZoom();
  // The zoom the page is shown at, 1 being its size on paper.
  double shownZoom() const;
  // The page's width in device-independent pixels at a zoom.
  double pageWidthAt(double zoom) const;
  void renderPage();

  std::vector<PreviewPage> pages_;  // PIC_Store
  int current_ = 0;
  Fit fit_ = Fit::Width;
  double zoom_ = 1;
  QScrollArea* scroll_ = nullptr;
  QLabel* picture_ = nullptr;   // PIC_Print
  QLabel* pageText_ = nullptr;  // LB_Page: which page of how many
  struct {
    QPushButton* next = nullptr;      // BT_Print_0
    QPushButton* previous = nullptr;  // BT_Print_1
    QPushButton* close = nullptr;     // BT_Print_2
  } pageButtons_;
  struct {
    QPushButton* in = nullptr;   // BT_Zoom_0
    QPushButton* out = nullptr;  // BT_Zoom_1
  } zoomButtons_;
  QComboBox* zoomBox_ = nullptr;  // CB_Zoom: fit width, fit page or a percentage
};

}  // namespace korain
