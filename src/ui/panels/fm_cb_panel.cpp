// The bulkhead selector: filled from the arrangement, stepped and chosen.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_cb_panel.h"

#include <QHBoxLayout>
#include <QStyle>

#include "edit/selection_edits.h"
#include "io/zel_format.h"
#include "view_state.h"

namespace korain {

FM_CBPanel::FM_CBPanel(Editor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
  setObjectName("FM_CBPanel");
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  label_ = new QLabel("Bulkhead :", this);
  list_ = new QComboBox(this);
  list_->setObjectName("CB_Panel");
  // The list is as wide as its longest name, so that no name is cut, but no
  // wider than a name the database can keep: a longer one, typed into a file
  // by hand, would push the panel column out of the window. The tip shows it whole.
  list_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  list_->setMaximumWidth(list_->fontMetrics().averageCharWidth() * (kBulkheadNameWidth + 8) +
                         list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) * 2);
  label_->setBuddy(list_);
  layout->addWidget(label_);
  layout->addWidget(list_, 1);
  connect(list_, &QComboBox::activated, this, &FM_CBPanel::choose);
}

void FM_CBPanel::refresh() {
  const Arrangement& arrangement = editor_.session().arrangement();
  const int count = arrangement.Bulkheads.count();
  if (count == 0) {
    list_->clear();
    list_->setEnabled(false);
    label_->setEnabled(false);
    return;
  }
  list_->setEnabled(true);
  label_->setEnabled(true);
  if (list_->count() != count) list_->clear();
  for (int i = 1; i <= count; ++i) {
    const QString text =
        QString::number(i) + " - " + QString::fromStdString(arrangement.Bulkheads.at(i).Name);
    if (list_->count() < i) {
      list_->addItem(text);
    } else if (list_->itemText(i - 1) != text) {
      list_->setItemText(i - 1, text);
    }
  }
  list_->setCurrentIndex(arrangement.CurBulkhead - 1);
  list_->setToolTip(list_->currentText());
}

void FM_CBPanel::step(int direction) {
  const int position = wrappedPosition(list_->currentIndex(), list_->count(), direction);
  if (position < 0) return;
  list_->setCurrentIndex(position);
  choose(position);
}

void FM_CBPanel::choose(int position) {
  if (editor_.refreshing()) return;
  Selection moved = selectionOf(editor_.session().arrangement());
  chooseBulkhead(moved, position + 1);
  editor_.session().moveSelection(moved, Follow::Panel | Follow::Menus | Follow::Redraw);
}

}  // namespace korain
