// What korain-cli prints in a title block and states in a PDF: the typed
// --title lines, the drawing's makers from the configuration, and the date
// of SOURCE_DATE_EPOCH when it is set, so that the same input gives the same file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <optional>
#include <string>
#include <vector>

#include "view/title_block.h"

namespace korain {

// Takes one more --title line; false with `problem` set past the third.
bool addTitleLine(std::vector<std::string>& titles, std::string line, std::string& problem);

// The title block's input with the typed lines, dated today or by SOURCE_DATE_EPOCH.
TitleBlockInput printedTitleInput(const std::vector<std::string>& typedLines);

// The date PDF files state: SOURCE_DATE_EPOCH's when it is set, else none (now).
std::optional<QDateTime> pdfDate();

}  // namespace korain
