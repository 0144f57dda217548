// Fills a list control with the blocks of a database file.
#pragma once

#include <QListWidget>
#include <optional>
#include <string>

#include "io/block_framing.h"
#include "editor.h"

namespace korain {

// Lists the blocks of the database at `path`, each row holding its block's
// position (the number it is found and written by) as Qt::UserRole data.
// Without `onlyKind` every block is listed, arrangements and torsion data
// marked after their name; with it, only the blocks of that kind, by name.
// The status line says which file is listed. A file that cannot be read
// leaves the list empty and the user is told why.
void fillBlockList(QListWidget& list, const std::string& path, std::optional<BlockKind> onlyKind,
                   Editor& editor);

// The block position a row of such a list holds.
Integer blockOfRow(const QListWidgetItem& item);

}  // namespace korain
