// Ctrl+C and Ctrl+V of a list or table, and pasted text read or refused aloud.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/table_clipboard.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <algorithm>

namespace korain {

TableClipboard::TableClipboard(QAbstractItemView& view, Copy copy, Paste paste)
    : QObject(&view), copy_(std::move(copy)), paste_(std::move(paste)) {
  view.installEventFilter(this);
  view.setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* copyAction = new QAction("&Copy", &view);
  copyAction->setObjectName("ME_CopyRows");
  auto* pasteAction = new QAction("&Paste", &view);
  pasteAction->setObjectName("ME_PasteRows");
  connect(copyAction, &QAction::triggered, this, &TableClipboard::copy);
  connect(pasteAction, &QAction::triggered, this, &TableClipboard::paste);
  view.addActions({copyAction, pasteAction});
}

void TableClipboard::attach(QAbstractItemView& view, Copy copy, Paste paste) {
  new TableClipboard(view, std::move(copy), std::move(paste));
}

// The view's own Ctrl+C copies one cell: the filter takes both keys before it.
bool TableClipboard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
    return QObject::eventFilter(watched, event);
  }
  auto* key = static_cast<QKeyEvent*>(event);
  const bool copying = key->matches(QKeySequence::Copy);
  if (!copying && !key->matches(QKeySequence::Paste)) return QObject::eventFilter(watched, event);
  event->accept();
  if (event->type() == QEvent::ShortcutOverride) return true;
  if (copying) {
    copy();
  } else {
    paste();
  }
  return true;
}

void TableClipboard::copy() const {
  const QString text = copy_();
  if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void TableClipboard::paste() const { paste_(QGuiApplication::clipboard()->text()); }

void reportPasteRefusal(Editor& editor, const PasteRefusal& refusal) {
  editor.reportMessage("Nothing was pasted. " + refusalText(refusal));
}

std::optional<std::vector<PastedRow>> readPaste(Editor& editor, const QString& text,
                                                PasteShape shape) {
  PasteReading read = readPastedTable(text.toStdString(), shape);
  if (auto* refusal = std::get_if<PasteRefusal>(&read)) {
    reportPasteRefusal(editor, *refusal);
    return std::nullopt;
  }
  return std::get<std::vector<PastedRow>>(std::move(read));
}

ChosenRows chosenRows(const QAbstractItemView& view) {
  const QModelIndexList rows = view.selectionModel()->selectedIndexes();
  if (rows.isEmpty()) return {};
  const auto [low, high] = std::minmax_element(
      rows.begin(), rows.end(),
      [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  return {.first = low->row() + 1, .count = high->row() - low->row() + 1};
}

}  // namespace korain
