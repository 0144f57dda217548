// Fills a list control with the blocks of a database file.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/block_list_filler.h"

#include <optional>
#include <vector>

#include "io/block_list.h"
#include "text/format_message.h"
#include "text/string_table.h"

namespace korain {

void fillBlockList(QListWidget& list, const std::string& path, BlockKind kind, Editor& editor) {
  const StatusScope listing(
      editor, formatMessage(korainStatusString(text_id::kListingBlocksStatus), {path}));
  list.clear();
  std::string error;
  // Through a buffer of fixed size: only the list is held, whatever the file's size.
  const std::optional<std::vector<BlockListEntry>> blocks = listBlocksOfFile(path, error);
  if (!blocks) {
    editor.prompt().showMessage(korainString(text_id::kDatabaseMissing) + " (" + error + ")");
    return;
  }
  for (const BlockListEntry& entry : *blocks) {
    if (entry.Kind != kind) continue;
    auto* row = new QListWidgetItem(QString::fromStdString(entry.Name), &list);
    row->setData(Qt::UserRole, static_cast<int>(entry.Position));
  }
}

Integer blockOfRow(const QListWidgetItem& item) {
  return static_cast<Integer>(item.data(Qt::UserRole).toInt());
}

}  // namespace korain
