// Fills a list control with the blocks of a database file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <string>

#include "editor.h"
#include "io/block_framing.h"

namespace korain {

// Lists the blocks of one kind of the database at `path` by name, each row
// holding its block's position (the number it is found and written by) as
// Qt::UserRole data. The status line says which file is listed. A file that
// cannot be read leaves the list empty and the user is told why.
void fillBlockList(QListWidget& list, const std::string& path, BlockKind kind, Editor& editor);

// The block position a row of such a list holds.
Integer blockOfRow(const QListWidgetItem& item);

}  // namespace korain
