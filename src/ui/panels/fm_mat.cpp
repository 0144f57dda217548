// The check panel: runs the legend builder of the chosen check and shows the
// legend as sixteen colour swatches with their labels.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_mat.h"

#include <QGridLayout>

#include "checks/legend.h"
#include "edit/selection_edits.h"
#include "model/edit_scope.h"

namespace korain {

FM_Mat::FM_Mat(Editor& editor, QWidget* parent)
    : Panel(editor, PanelCode::PlatingChecks, SelectorUse::Hidden, parent) {
  setObjectName("FM_Mat");
  title_ = new QLabel(this);
  title_->setObjectName("SS_Title");
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  body()->addWidget(title_);
  auto* grid = new QGridLayout;
  grid->setColumnStretch(1, 1);
  for (std::size_t k = 0; k < swatches_.size(); ++k) {
    const QString index = QString::number(k);
    swatches_[k] = new QLabel(this);
    swatches_[k]->setObjectName("SH_Mat_" + index);
    swatches_[k]->setFixedSize(28, 16);
    swatches_[k]->setFrameShape(QFrame::Box);
    swatches_[k]->setAutoFillBackground(true);
    labels_[k] = new QLabel(this);
    labels_[k]->setObjectName("LB_Mat_" + index);
    labels_[k]->setWordWrap(true);
    grid->addWidget(swatches_[k], static_cast<int>(k), 0, Qt::AlignTop);
    grid->addWidget(labels_[k], static_cast<int>(k), 1);
  }
  body()->addLayout(grid);
}

void FM_Mat::fillControls() {
  Session& s = session();
  const Long mode = s.subView();
  // The check covers every bulkhead: none is current (an object panel shows
  // the first one again).
  s.moveSelection([](Arrangement& a) { chooseBulkhead(a, 0); }, Follow::Nothing);
  Legend legend;
  const StatusLine status = [this](std::string_view text) {
    editor().showStatus(std::string(text));
  };
  // The colour of every strake, span and bracket is computed, as the
  // geometry is: nothing to undo, nothing unsaved.
  s.amend(EditScope::all(), [&](Arrangement& a) {
    legend = buildLegend(a, mode, s.display().Palette, s.ship(), status);
  });
  showLegend(QString::fromStdString(checkTitle(mode)), legendSwatches(legend));
  s.keepLegend(std::move(legend));
}

void FM_Mat::showLegend(const QString& title, const std::vector<LegendSwatch>& swatches) {
  title_->setText(title);
  for (std::size_t k = 0; k < swatches_.size(); ++k) {
    const bool used = k < swatches.size();
    swatches_[k]->setVisible(used);
    labels_[k]->setVisible(used);
    labels_[k]->setText(used ? QString::fromStdString(swatches[k].Label) : QString());
    if (!used) continue;
    // Colour 0 ("no bracket") is shown as the drawing shows it: white.
    const Long colour = swatches[k].Colour;
    QPalette palette = swatches_[k]->palette();
    palette.setColor(
        QPalette::Window,
        colour == 0 ? QColor(Qt::white) : QColor::fromRgb(static_cast<QRgb>(colour) | 0xFF000000U));
    swatches_[k]->setPalette(palette);
  }
}

}  // namespace korain
