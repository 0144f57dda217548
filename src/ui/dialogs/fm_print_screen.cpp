// The report's page browser: its controls, the pages shown and their zoom.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_print_screen.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>

#include "inch_units.h"

namespace korain {
namespace {

const QString kFitWidth = QStringLiteral("Fit width");
const QString kFitPage = QStringLiteral("Fit page");
// A quarter of the paper's size to four times it: beyond, a page is either
// unreadable or larger than an image is worth keeping.
constexpr double kSmallestZoom = 0.25;
constexpr double kLargestZoom = 4;
constexpr double kZoomStep = 1.25;

// A percentage typed with or without its sign; none for any other text.
std::optional<double> typedPercent(QString text) {
  if (text.endsWith('%')) text.chop(1);
  bool ok = false;
  const double percent = text.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(percent) || percent <= 0) return std::nullopt;
  return percent;
}

QString percentText(double zoom) { return QString("%1%").arg(std::lround(zoom * 100)); }

QPushButton* namedButton(QWidget* parent, const char* caption, const char* name) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

FM_PrintScreen::FM_PrintScreen(std::vector<PreviewPage> pages, QWidget* parent)
    : QDialog(parent), pages_(std::move(pages)) {
  setObjectName("FM_PrintScreen");
  setWindowTitle("Results View");
  buildPageView();
  buildPageButtons();
  buildZoomControls();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scroll_, 1);
  layout->addLayout(buttonRow());
  // A whole page width, and no taller than the screen: the buttons stay in sight.
  const QSize wanted(900, 1000);
  resize(screen() == nullptr ? wanted : wanted.boundedTo(screen()->availableGeometry().size()));
  showPage(0);
}

void FM_PrintScreen::buildPageView() {
  picture_ = new QLabel(this);
  picture_->setObjectName("PIC_Print");
  picture_->setAlignment(Qt::AlignCenter);
  scroll_ = new QScrollArea(this);
  scroll_->setWidget(picture_);
  scroll_->setWidgetResizable(true);
  scroll_->setBackgroundRole(QPalette::Dark);
  // A page fitted to the width is taller than wide: the vertical bar is always
  // there, so fitting never makes it come and go.
  scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  scroll_->viewport()->installEventFilter(this);
}

// Next, previous and close; next and previous start disabled, until a page shown enables them.
void FM_PrintScreen::buildPageButtons() {
  pageButtons_.next = namedButton(this, "&>>", "BT_Print_0");
  pageButtons_.previous = namedButton(this, "<&<", "BT_Print_1");
  pageButtons_.close = namedButton(this, "&Close", "BT_Print_2");
  connect(pageButtons_.next, &QPushButton::clicked, this, [this] { showPage(current_ + 1); });
  connect(pageButtons_.previous, &QPushButton::clicked, this, [this] { showPage(current_ - 1); });
  connect(pageButtons_.close, &QPushButton::clicked, this, &QDialog::accept);
  pageButtons_.next->setEnabled(false);
  pageButtons_.previous->setEnabled(false);
}

// Under the page: previous, next and which page it is; the zoom in the middle; close at the right.
QLayout* FM_PrintScreen::buttonRow() {
  pageText_ = new QLabel(this);
  pageText_->setObjectName("LB_Page");
  auto* row = new QHBoxLayout;
  row->addWidget(pageButtons_.previous);
  row->addWidget(pageButtons_.next);
  row->addWidget(pageText_);
  row->addStretch(1);
  row->addWidget(zoomButtons_.out);
  row->addWidget(zoomBox_);
  row->addWidget(zoomButtons_.in);
  row->addStretch(1);
  row->addWidget(pageButtons_.close);
  return row;
}

// Zoom in and out (buttons and keys) and the zoom box, whose items are the
// two fits and the usual percentages.
void FM_PrintScreen::buildZoomControls() {
  zoomButtons_.in = zoomButton("Zoom &in", "BT_Zoom_0", QKeySequence::ZoomIn, kZoomStep);
  zoomButtons_.out = zoomButton("Zoom &out", "BT_Zoom_1", QKeySequence::ZoomOut, 1 / kZoomStep);
  zoomBox_ = new QComboBox(this);
  zoomBox_->setObjectName("CB_Zoom");
  zoomBox_->setEditable(true);
  zoomBox_->setInsertPolicy(QComboBox::NoInsert);
  zoomBox_->addItems({kFitWidth, kFitPage});
  for (const double zoom : {0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0})
    zoomBox_->addItem(percentText(zoom));
  connect(zoomBox_, &QComboBox::textActivated, this, [this] { takeTypedZoom(); });
}

QPushButton* FM_PrintScreen::zoomButton(const char* caption, const char* name,
                                        QKeySequence::StandardKey keys, double factor) {
  QPushButton* button = namedButton(this, caption, name);
  button->setToolTip(QKeySequence(keys).toString(QKeySequence::NativeText));
  auto* shortcuts = new QAction(this);
  shortcuts->setShortcuts(keys);
  addAction(shortcuts);
  connect(shortcuts, &QAction::triggered, this, [this, factor] { zoomBy(factor); });
  connect(button, &QPushButton::clicked, this, [this, factor] { zoomBy(factor); });
  return button;
}

bool FM_PrintScreen::eventFilter(QObject* watched, QEvent* event) {
  // A fitted page follows the window: painted anew for the room it has.
  if (watched == scroll_->viewport() && event->type() == QEvent::Resize && fit_ != Fit::Zoom) {
    renderPage();
  }
  return QDialog::eventFilter(watched, event);
}

void FM_PrintScreen::showPage(int page) {
  const int count = static_cast<int>(pages_.size());
  if (page < 0 || page >= count) return;
  current_ = page;
  renderPage();
  pageText_->setText(QString("Page %1 of %2").arg(page + 1).arg(count));
  pageButtons_.next->setEnabled(page + 1 < count);
  pageButtons_.previous->setEnabled(page > 0);
}

void FM_PrintScreen::fitTo(Fit fit) {
  fit_ = fit;
  renderPage();
}

void FM_PrintScreen::zoomTo(double zoom) {
  fit_ = Fit::Zoom;
  zoom_ = std::clamp(zoom, kSmallestZoom, kLargestZoom);
  renderPage();
}

void FM_PrintScreen::zoomBy(double factor) { zoomTo(shownZoom() * factor); }

// The box takes its own items and a typed percentage ("150", "150%"); any
// other text gives way to the zoom shown.
void FM_PrintScreen::takeTypedZoom() {
  const QString text = zoomBox_->currentText().trimmed();
  if (text.compare(kFitWidth, Qt::CaseInsensitive) == 0) {
    fitTo(Fit::Width);
  } else if (text.compare(kFitPage, Qt::CaseInsensitive) == 0) {
    fitTo(Fit::Page);
  } else if (const std::optional<double> percent = typedPercent(text)) {
    zoomTo(*percent / 100);
  } else {
    renderPage();
  }
}

double FM_PrintScreen::pageWidthAt(double zoom) const {
  if (pages_.empty()) return 1;
  return pages_[static_cast<std::size_t>(current_)].sizeCm().width() / kCentimetresPerInch *
         logicalDpiX() * zoom;
}

double FM_PrintScreen::shownZoom() const {
  if (pages_.empty() || fit_ == Fit::Zoom) return zoom_;
  const QSize room = scroll_->viewport()->size();
  const QSizeF paper = pages_[static_cast<std::size_t>(current_)].sizeCm();
  double width = room.width();
  if (fit_ == Fit::Page) {
    width = std::min(width, room.height() * paper.width() / paper.height());
  }
  return std::max(1.0, width) / pageWidthAt(1);
}

void FM_PrintScreen::renderPage() {
  const QString shown = fit_ == Fit::Width  ? kFitWidth
                        : fit_ == Fit::Page ? kFitPage
                                            : percentText(zoom_);
  zoomBox_->setEditText(shown);
  if (pages_.empty()) return;
  // Painted for the screen's own pixels, however many a point of the window holds.
  const double ratio = devicePixelRatioF();
  QImage image = pages_[static_cast<std::size_t>(current_)].image(
      static_cast<int>(std::lround(pageWidthAt(shownZoom()) * ratio)));
  image.setDevicePixelRatio(ratio);
  picture_->setPixmap(QPixmap::fromImage(image));
}

}  // namespace korain
