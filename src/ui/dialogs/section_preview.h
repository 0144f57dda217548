// The small drawing of a block's outline that the database dialogs show beside their list.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>

#include "configuration.h"
#include "section/section.h"
#include "ship/ship_data.h"

namespace korain {

class SectionPreview : public QWidget {
  Q_OBJECT

 public:
  explicit SectionPreview(QWidget* parent = nullptr);

  // Draws the section's panels, scaled to fill the picture.
  void showSection(const Section& section, const ShipData& ship);
  // Leaves the picture blank.
  void clearPreview();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<Section> section_;
  ShipData ship_;
  DisplayConfig labels_ = defaultDisplayConfig();
};

}  // namespace korain
