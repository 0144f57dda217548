// The editor of a table's number cells: the keys a number field turns away are
// turned away in a cell too, and said aloud with the column's heading until the
// next key the cell takes.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

namespace korain {

class NumberCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;

 protected:
  // Notes what each key would type, for the refusal to quote.
  bool eventFilter(QObject* editor, QEvent* event) override;

 private:
  QString lastTyped_;
};

}  // namespace korain
