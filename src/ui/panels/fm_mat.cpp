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

QString swatchName(int k) { return "SH_Mat_" + QString::number(k); }
QString labelName(int k) { return "LB_Mat_" + QString::number(k); }

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
  for (int k = 0; k < kLegendSwatchCount; ++k) addLegendRow(*grid, k);
  body()->addLayout(grid);
}

void FM_Mat::addLegendRow(QGridLayout& grid, int k) {
  auto* swatch = new QLabel(this);
  swatch->setObjectName(swatchName(k));
  swatch->setFixedSize(28, 16);
  swatch->setFrameShape(QFrame::Box);
  swatch->setAutoFillBackground(true);
  auto* label = new QLabel(this);
  label->setObjectName(labelName(k));
  label->setWordWrap(true);
  grid.addWidget(swatch, k, 0, Qt::AlignTop);
  grid.addWidget(label, k, 1);
}

void FM_Mat::fillControls() {
  // The session built the legend of the check shown before it had the panel filled.
  showLegend(QString::fromStdString(checkTitle(session().subView())),
             legendSwatches(session().display().CurrentLegend));
}

void FM_Mat::showLegend(const QString& title, const std::vector<LegendSwatch>& swatches) {
  title_->setText(title);
  for (int k = 0; k < kLegendSwatchCount; ++k) {
    const auto row = static_cast<std::size_t>(k);
    showLegendRow(k, row < swatches.size() ? &swatches[row] : nullptr);
  }
}

void FM_Mat::showLegendRow(int k, const LegendSwatch* swatch) {
  auto* colour = findChild<QLabel*>(swatchName(k));
  auto* label = findChild<QLabel*>(labelName(k));
  colour->setVisible(swatch != nullptr);
  label->setVisible(swatch != nullptr);
  if (swatch == nullptr) {
    label->clear();
    return;
  }
  // A text of its own is never read as markup; joined entries carry their chips.
  label->setTextFormat(swatch->Entries.size() == 1 ? Qt::PlainText : Qt::RichText);
  label->setText(swatchLabel(*swatch));
  QPalette palette = colour->palette();
  palette.setColor(QPalette::Window, swatchColour(swatch->colour()));
  colour->setPalette(palette);
}

}  // namespace korain
