#include "dialogs/block_list_filler.h"

#include "io/block_list.h"
#include "io/text_file.h"
#include "text/format_message.h"
#include "text/string_table.h"

namespace korain {
namespace {

std::string rowText(const BlockListEntry& entry, bool markKind) {
  if (!markKind) return entry.Name;
  switch (entry.Kind) {
    case BlockKind::Zel:
      return entry.Name + " (bulkhead)";
    case BlockKind::Torsion:
      return entry.Name + " (torsion)";
    case BlockKind::Section:
      break;
  }
  return entry.Name;
}

}  // namespace

void fillBlockList(QListWidget& list, const std::string& path, std::optional<BlockKind> onlyKind,
                   Editor& editor) {
  const StatusScope listing(
      editor, formatMessage(korainStatusString(text_id::kListingBlocksStatus), {path}));
  list.clear();
  std::string error;
  const std::optional<std::string> bytes = readFileBytes(path, error);
  if (!bytes) {
    editor.prompt().showMessage(korainString(text_id::kDatabaseMissing) + " (" + error + ")");
    return;
  }
  for (const BlockListEntry& entry : listBlocks(*bytes)) {
    if (onlyKind && *onlyKind != entry.Kind) continue;
    auto* row = new QListWidgetItem(QString::fromStdString(rowText(entry, !onlyKind)), &list);
    row->setData(Qt::UserRole, static_cast<int>(entry.Position));
  }
}

Integer blockOfRow(const QListWidgetItem& item) {
  return static_cast<Integer>(item.data(Qt::UserRole).toInt());
}

}  // namespace korain
