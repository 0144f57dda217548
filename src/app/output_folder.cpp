// The folder a dialog for a written file starts in.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output_folder.h"

#include <filesystem>

namespace korain {

std::string outputFolder(const std::string& preferred, const std::string& databasePath) {
  if (!preferred.empty()) return preferred;
  return std::filesystem::path(databasePath).parent_path().string();
}

}  // namespace korain
