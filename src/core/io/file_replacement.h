// Replacing a file in one step, keeping what the user set on it: its
// permissions and group, the symbolic link it was given through, a copy of
// the previous content, and no temporary file left behind for ever.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "io/file_system.h"

namespace korain {

// The file a path stands for: symbolic links are followed (a relative target
// from the link's folder) to the file they point to, so that a save updates
// that file and the link stays. Any other path is returned as it is.
std::string resolveLinks(FileSystem& files, const std::string& path);

// The temporary file of a save of target: beside it, on its file system,
// named after it with the host and the process that wrote it, so that one left
// by a crash says whose it was ("ship.ko2~korain~yard-pc~4711.tmp").
std::string temporaryName(const std::string& target, std::string_view host, long processId);

// Removes the temporary files of target that saves on this host left behind
// when their process is gone; those of running processes and of other hosts stay.
void removeStaleTemporaries(FileSystem& files, const std::string& target);

// A new file that takes the place of its target only once it is complete and
// on the disk; until commit the target stays as it was. Dropped without
// commit, it removes what it wrote.
class FileReplacement {
 public:
  // The target is the path with its links followed.
  FileReplacement(FileSystem& files, const std::string& path);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  const std::string& target() const { return target_; }

  // Creates the new file beside the target with the target's identity, or the
  // one given (a new target gets a new file's permissions).
  bool begin(std::string& error, const std::optional<FileIdentity>& identity = std::nullopt);
  OutputFile& output() { return *output_; }

  // Puts the new file on the disk, keeps the previous one under backupPath
  // when that is not empty, moves the new file into the target's place and
  // makes the move itself durable.
  bool commit(const std::string& backupPath, std::string& error);

 private:
  bool keepPrevious(const std::string& backupPath, std::string& error);

  FileSystem& files_;
  std::string target_;
  std::string temporary_;
  std::unique_ptr<OutputFile> output_;
  bool committed_ = false;
};

// Copies a file, permissions and group included, replacing the copy in one step.
bool copyFileKeepingIdentity(FileSystem& files, const std::string& from, const std::string& to,
                             std::string& error);

}  // namespace korain
