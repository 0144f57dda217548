// The least a save of a database with a .bak copy must do, as its own process.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "copy_and_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace korain::bench {

int copyAndSync(const char* path) {
  namespace fs = std::filesystem;
  const fs::path file(path);
  fs::path backup = file;
  backup.replace_extension(".bak");
  fs::copy_file(file, backup, fs::copy_options::overwrite_existing);
  std::string bytes(static_cast<std::size_t>(fs::file_size(file)), '\0');
  std::ifstream(file, std::ios::binary)
      .read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  const std::string fresh = file.string() + ".new";
  const int fd = ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return 1;
  const bool written =
      ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  if (!written || !synced) return 1;
  fs::rename(fresh, file);
  return 0;
}

}  // namespace korain::bench
