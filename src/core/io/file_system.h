// The operating system's file calls that saving needs, behind one interface: a
// port replaces one file (host_file_system.cpp), and tests make any call fail.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korain {

// What a file carries beyond its bytes that a save must not change: who may
// read and write it (permission bits) and the group it is shared with.
struct FileIdentity {
  unsigned permissions = 0;  // the nine rwx bits of owner, group and others
  long group = 0;
};

// A file open for reading from its start.
class InputFile {
 public:
  virtual ~InputFile() = default;
  // Reads up to size bytes; 0 at the end of the file, nothing on an error (error says why).
  virtual std::optional<std::size_t> read(char* buffer, std::size_t size, std::string& error) = 0;
};

// A new file being written.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  virtual bool write(std::string_view bytes, std::string& error) = 0;
  // Puts the bytes on the disk and closes the file; only then may it replace another.
  virtual bool finish(std::string& error) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Nothing when no file is there (symbolic links are followed).
  virtual std::optional<FileIdentity> identity(const std::string& path) = 0;
  // Whether this user may write the file (an existing file only).
  virtual bool isWritable(const std::string& path) = 0;
  // What a symbolic link points to, as written in the link; nothing for anything else.
  virtual std::optional<std::string> linkTarget(const std::string& path) = 0;

  virtual std::unique_ptr<InputFile> openForReading(const std::string& path,
                                                    std::string& error) = 0;
  // Creates a file that must not exist yet. With an identity, the file takes
  // its permissions, and its group where this user may set it; without, the
  // permissions a new file of this user gets.
  virtual std::unique_ptr<OutputFile> createNew(const std::string& path,
                                                const std::optional<FileIdentity>& identity,
                                                std::string& error) = 0;

  // Puts from in to's place in one step, replacing to.
  virtual bool rename(const std::string& from, const std::string& to, std::string& error) = 0;
  // A second name for an existing file's bytes; false where the file system has no links.
  virtual bool hardLink(const std::string& existing, const std::string& newName,
                        std::string& error) = 0;
  // Puts the folder's entries (a rename into it) on the disk.
  virtual bool syncFolder(const std::string& folder, std::string& error) = 0;
  virtual void remove(const std::string& path) = 0;
  // The names of the entries of a folder (empty when it cannot be read).
  virtual std::vector<std::string> folderEntries(const std::string& folder) = 0;

  virtual long processId() = 0;
  virtual std::string hostName() = 0;
  // False only when no process of that number is running on this machine.
  virtual bool processIsRunning(long processId) = 0;
};

// The file system of the machine the program runs on.
FileSystem& hostFileSystem();

}  // namespace korain
