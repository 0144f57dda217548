// File and folder services of the database commands: existence, copies with
// another extension, the current folder.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/file_services.h"

#include <filesystem>
#include <fstream>

#include "io/file_replacement.h"

namespace korain {
namespace fs = std::filesystem;

bool fileExists(const std::string& path) {
  std::error_code code;
  if (!fs::is_regular_file(path, code)) return false;
  return std::ifstream(path, std::ios::binary).good();
}

std::string withExtension(const std::string& path, std::string_view newExtension) {
  fs::path result(path);
  std::string extension(newExtension);
  if (!extension.starts_with('.')) extension.insert(0, 1, '.');
  result.replace_extension(extension);
  return result.string();
}

bool backupCopy(const std::string& path, std::string_view newExtension, std::string& error) {
  FileSystem& files = hostFileSystem();
  const std::string file = resolveLinks(files, path);
  return copyFileKeepingIdentity(files, file, withExtension(file, newExtension), error);
}

bool changeFolder(const std::string& path, std::string& error) {
  std::error_code code;
  fs::current_path(path, code);
  if (code) error = code.message();
  return !code;
}

}  // namespace korain
