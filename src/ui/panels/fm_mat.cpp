// The check panel: runs the legend builder of the chosen check and shows the
// legend as sixteen colour swatches with their labels.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_mat.h"

#include <QGridLayout>

#include "checks/legend.h"
#include "text/string_table.h"
#include "text/text_ids.h"

namespace korain {
namespace {

// Colour 0 ("no bracket") is shown as the drawing shows it: white.
QColor swatchColour(Long colour) {
  return colour == 0 ? QColor(Qt::white) : QColor::fromRgb(static_cast<QRgb>(colour));
}

// The label of a swatch: its first entry's text, which stands on the swatch's
// colour, then each entry joined to it with a chip of that entry's own colour
// before its text: the swatch's colour belongs to the first entry only.
QString swatchLabel(const LegendSwatch& swatch) {
  const std::vector<LegendEntry>& entries = swatch.Entries;
  if (entries.size() == 1) return QString::fromStdString(entries.front().Text);
  const QString separator =
      QString::fromStdString(korainString(text_id::kLegendSeparator)).toHtmlEscaped();
  QString html = QString::fromStdString(entries.front().Text).toHtmlEscaped();
  for (std::size_t i = 1; i < entries.size(); ++i) {
    html += separator +
            QString("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;</span>&nbsp;")
                .arg(swatchColour(entries[i].Colour).name()) +
            QString::fromStdString(entries[i].Text).toHtmlEscaped();
  }
  return html;
}

}  // namespace

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
  // The session built the legend of the check shown before it had the panel filled.
  showLegend(QString::fromStdString(checkTitle(session().subView())),
             legendSwatches(session().display().CurrentLegend));
}

void FM_Mat::showLegend(const QString& title, const std::vector<LegendSwatch>& swatches) {
  title_->setText(title);
  for (std::size_t k = 0; k < swatches_.size(); ++k) {
    const bool used = k < swatches.size();
    swatches_[k]->setVisible(used);
    labels_[k]->setVisible(used);
    if (!used) {
      labels_[k]->clear();
      continue;
    }
    // A text of its own is never read as markup; joined entries carry their chips.
    labels_[k]->setTextFormat(swatches[k].Entries.size() == 1 ? Qt::PlainText : Qt::RichText);
    labels_[k]->setText(swatchLabel(swatches[k]));
    QPalette palette = swatches_[k]->palette();
    palette.setColor(QPalette::Window, swatchColour(swatches[k].colour()));
    swatches_[k]->setPalette(palette);
  }
}

}  // namespace korain
