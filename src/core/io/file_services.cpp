// File and folder services of the database commands: existence, copies, moves, temporary names.
#include "io/file_services.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace korain {
namespace fs = std::filesystem;

bool fileExists(const std::string& path) {
  std::error_code code;
  if (!fs::is_regular_file(path, code)) return false;
  return std::ifstream(path, std::ios::binary).good();
}

void deleteFile(const std::string& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

std::string withExtension(const std::string& path, std::string_view newExtension) {
  fs::path result(path);
  std::string extension(newExtension);
  if (!extension.starts_with('.')) extension.insert(0, 1, '.');
  result.replace_extension(extension);
  return result.string();
}

bool backupCopy(const std::string& path, std::string_view newExtension, std::string& error) {
  std::error_code code;
  fs::copy_file(path, withExtension(path, newExtension), fs::copy_options::overwrite_existing,
                code);
  if (code) error = code.message();
  return !code;
}

bool moveFile(const std::string& source, const std::string& target, std::string& error) {
  std::error_code code;
  fs::rename(source, target, code);
  if (code) error = code.message();
  return !code;
}

std::string tempFileName(const std::string& folder) {
  std::error_code code;
  const fs::path base = folder.empty() ? fs::temp_directory_path(code) : fs::path(folder);
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (;;) {
    const fs::path candidate = base / ("Korain" + std::to_string(random() % 1000000000) + ".tmp");
    if (!fs::exists(candidate, code)) return candidate.string();
  }
}

bool changeFolder(const std::string& path, std::string& error) {
  std::error_code code;
  fs::current_path(path, code);
  if (code) error = code.message();
  return !code;
}

}  // namespace korain
