// Whole-file reading of database files.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/text_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace korain {

std::optional<std::string> readFileBytes(const std::string& path, std::string& error) {
  std::error_code code;
  if (std::filesystem::is_directory(path, code)) {
    error = "is a folder, not a file";
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = std::strerror(errno);
    return std::nullopt;
  }
  // One read of the whole file when its size is known; a file that grows or
  // shrinks meanwhile, or a device without a size, is read to its end in pieces.
  std::string bytes;
  const auto size = std::filesystem::file_size(path, code);
  if (!code) {
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
  }
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) {
    error = "read error";
    return std::nullopt;
  }
  return bytes;
}

}  // namespace korain
