// The page browser of the report's preview: one page at a time, with the
// next and previous pages a click away.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <vector>

namespace korain {

class FM_PrintScreen : public QDialog {
  Q_OBJECT

 public:
  explicit FM_PrintScreen(std::vector<QImage> pages, QWidget* parent = nullptr);

  int currentPage() const { return current_; }  // 0-based

 private:
  void showPage(int page);

  std::vector<QImage> pages_;  // PIC_Store
  int current_ = 0;
  QLabel* picture_ = nullptr;              // PIC_Print
  QLabel* pageText_ = nullptr;             // LB_Page: which page of how many
  std::array<QPushButton*, 3> buttons_{};  // BT_Print_0 next, 1 previous, 2 close
};

}  // namespace korain
