// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_print_screen.h"

#include <QHBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace korain {

FM_PrintScreen::FM_PrintScreen(std::vector<QImage> pages, QWidget* parent)
    : QDialog(parent), pages_(std::move(pages)) {
  setObjectName("FM_PrintScreen");
  setWindowTitle("Results View");
  picture_ = new QLabel(this);
  picture_->setObjectName("PIC_Print");
  picture_->setAlignment(Qt::AlignCenter);
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(picture_);
  scroll->setWidgetResizable(true);
  scroll->setBackgroundRole(QPalette::Dark);

  auto* row = new QHBoxLayout;
  const std::array<const char*, 3> captions = {"&>>", "<&<", "&Close"};
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i] = new QPushButton(captions[i], this);
    buttons_[i]->setObjectName("BT_Print_" + QString::number(i));
  }
  row->addWidget(buttons_[1]);
  row->addWidget(buttons_[0]);
  pageText_ = new QLabel(this);
  pageText_->setObjectName("LB_Page");
  row->addWidget(pageText_);
  row->addStretch(1);
  row->addWidget(buttons_[2]);
  connect(buttons_[0], &QPushButton::clicked, this, [this] { showPage(current_ + 1); });
  connect(buttons_[1], &QPushButton::clicked, this, [this] { showPage(current_ - 1); });
  connect(buttons_[2], &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scroll, 1);
  layout->addLayout(row);
  // A whole page width, and no taller than the screen: the buttons stay in sight.
  const QSize wanted(900, 1000);
  resize(screen() == nullptr ? wanted : wanted.boundedTo(screen()->availableGeometry().size()));
  buttons_[0]->setEnabled(false);
  buttons_[1]->setEnabled(false);
  showPage(0);
}

void FM_PrintScreen::showPage(int page) {
  const int count = static_cast<int>(pages_.size());
  if (page < 0 || page >= count) return;
  current_ = page;
  // The page in half its preview resolution: a whole A4 width on screen.
  const QImage& image = pages_[static_cast<std::size_t>(page)];
  picture_->setPixmap(QPixmap::fromImage(
      image.scaledToWidth(std::max(1, image.width() / 2), Qt::SmoothTransformation)));
  pageText_->setText(QString("Page %1 of %2").arg(page + 1).arg(count));
  buttons_[0]->setEnabled(page + 1 < count);
  buttons_[1]->setEnabled(page > 0);
}

}  // namespace korain
