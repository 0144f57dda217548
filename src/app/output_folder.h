// Where a dialog for a file the program writes (an exported drawing, a PDF)
// starts: beside the database, unless the preferences name a folder for it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace korain {

// `preferred` when given, else the folder of `databasePath`; empty (the
// current folder) when neither is known.
std::string outputFolder(const std::string& preferred, const std::string& databasePath);

}  // namespace korain
