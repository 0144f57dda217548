// The machine's file system with a record of the calls a save makes, calls
// that fail on request, and processes that are running or gone as a test says.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "io/file_system.h"

namespace korain::testing {

enum class FileCall { OpenForReading, CreateNew, Write, Finish, Rename, HardLink, SyncFolder };

class FaultyFileSystem : public FileSystem {
 public:
  std::set<FileCall> failing;
  std::vector<std::string> calls;  // "rename FROM TO", "createNew PATH", "syncFolder PATH"
  std::function<bool(long)> running = [](long) { return true; };

  std::optional<FileIdentity> identity(const std::string& path) override {
    return host().identity(path);
  }
  bool isWritable(const std::string& path) override { return host().isWritable(path); }
  std::optional<std::string> linkTarget(const std::string& path) override {
    return host().linkTarget(path);
  }
  std::unique_ptr<InputFile> openForReading(const std::string& path, std::string& error) override {
    if (fails(FileCall::OpenForReading, error)) return nullptr;
    return host().openForReading(path, error);
  }
  std::unique_ptr<OutputFile> createNew(const std::string& path,
                                        const std::optional<FileIdentity>& identity,
                                        std::string& error) override {
    calls.push_back("createNew " + path);
    if (fails(FileCall::CreateNew, error)) return nullptr;
    std::unique_ptr<OutputFile> file = host().createNew(path, identity, error);
    if (!file) return nullptr;
    return std::make_unique<Output>(*this, std::move(file));
  }
  bool rename(const std::string& from, const std::string& to, std::string& error) override {
    calls.push_back("rename " + from + " " + to);
    return !fails(FileCall::Rename, error) && host().rename(from, to, error);
  }
  bool hardLink(const std::string& existing, const std::string& newName,
                std::string& error) override {
    return !fails(FileCall::HardLink, error) && host().hardLink(existing, newName, error);
  }
  bool syncFolder(const std::string& folder, std::string& error) override {
    calls.push_back("syncFolder " + folder);
    return !fails(FileCall::SyncFolder, error) && host().syncFolder(folder, error);
  }
  void remove(const std::string& path) override { host().remove(path); }
  std::vector<std::string> folderEntries(const std::string& folder) override {
    return host().folderEntries(folder);
  }
  long processId() override { return host().processId(); }
  std::string hostName() override { return host().hostName(); }
  bool processIsRunning(long processId) override { return running(processId); }

 private:
  static FileSystem& host() { return hostFileSystem(); }

  bool fails(FileCall call, std::string& error) const {
    if (!failing.contains(call)) return false;
    error = "injected failure";
    return true;
  }

  // Writes half of what it is given, then fails, as a disk that fills up.
  class Output : public OutputFile {
   public:
    Output(FaultyFileSystem& files, std::unique_ptr<OutputFile> file)
        : files_(files), file_(std::move(file)) {}
    bool write(std::string_view bytes, std::string& error) override {
      if (!files_.fails(FileCall::Write, error)) return file_->write(bytes, error);
      std::string ignored;
      file_->write(bytes.substr(0, bytes.size() / 2), ignored);
      error = "No space left on device";
      return false;
    }
    bool finish(std::string& error) override {
      return !files_.fails(FileCall::Finish, error) && file_->finish(error);
    }

   private:
    FaultyFileSystem& files_;
    std::unique_ptr<OutputFile> file_;
  };
};

}  // namespace korain::testing
