// Copy and paste of a list or table: Ctrl+C puts the chosen rows on the
// clipboard as a spreadsheet reads them, Ctrl+V hands the clipboard's text to
// the view's owner, also offered on the view's context menu.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemView>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "editor.h"
#include "text/pasted_table.h"

namespace korain {

class TableClipboard : public QObject {
  Q_OBJECT

 public:
  // The text of the chosen rows, empty when none is chosen.
  using Copy = std::function<QString()>;
  using Paste = std::function<void(const QString& text)>;

  // Works on the view from now on; the view owns it.
  static void attach(QAbstractItemView& view, Copy copy, Paste paste);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TableClipboard(QAbstractItemView& view, Copy copy, Paste paste);
  void copy() const;
  void paste() const;

  Copy copy_;
  Paste paste_;
};

// The rows of pasted text; none when the paste is refused, which the message
// list and a message box then say with the line and what was wrong there.
std::optional<std::vector<PastedRow>> readPaste(Editor& editor, const QString& text,
                                                PasteShape shape);

// A refusal as the message list and the message box say it.
void reportPasteRefusal(Editor& editor, const PasteRefusal& refusal);

// The rows of a view's chosen cells, as one block from the first to the last
// of them; none chosen: no row.
struct ChosenRows {
  int first = 0;  // 1-based; 0 when none is chosen
  int count = 0;
};
ChosenRows chosenRows(const QAbstractItemView& view);

}  // namespace korain
