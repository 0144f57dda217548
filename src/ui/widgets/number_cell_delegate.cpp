// A number cell's editor, and the keystrokes it turns away said with the column's heading.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/number_cell_delegate.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "widgets/number_validator.h"
#include "widgets/refusal_notice.h"

namespace korain {

QWidget* NumberCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  auto* line = qobject_cast<QLineEdit*>(editor);
  if (line == nullptr) return editor;
  line->setValidator(new NumberValidator(line));
  const QString caption = index.model()->headerData(index.column(), Qt::Horizontal).toString();
  connect(line, &QLineEdit::inputRejected, line, [this, line, caption] {
    announceRefusal(*line, caption + " : " + rejectedTypingReason(lastTyped_));
  });
  // A cell holds no refused text: the next key it takes takes the word back.
  connect(line, &QLineEdit::textEdited, line, [line] { announceRefusal(*line, {}); });
  return editor;
}

bool NumberCellDelegate::eventFilter(QObject* editor, QEvent* event) {
  if (event->type() == QEvent::KeyPress) lastTyped_ = static_cast<QKeyEvent*>(event)->text();
  return QStyledItemDelegate::eventFilter(editor, event);
}

}  // namespace korain
