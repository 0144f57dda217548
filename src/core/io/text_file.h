// Whole-file reading and writing of database files.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korain {

// The bytes of a file, or nothing when it cannot be opened or read (error says why).
std::optional<std::string> readFileBytes(const std::string& path, std::string& error);

}  // namespace korain
