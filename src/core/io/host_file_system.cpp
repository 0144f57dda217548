// The file system of a POSIX machine: the one place where the core calls the
// operating system beyond the standard library. A port to another system
// replaces this file.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "io/file_system.h"

namespace korain {
namespace {

namespace fs = std::filesystem;

std::string systemError() { return std::strerror(errno); }

// A descriptor closed when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now, so that a failing close is reported.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

class HostInputFile : public InputFile {
 public:
  explicit HostInputFile(int fd) : fd_(fd) {}

  std::optional<std::size_t> read(char* buffer, std::size_t size, std::string& error) override {
    for (;;) {
      const ssize_t got = ::read(fd_.get(), buffer, size);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno == EINTR) continue;
      error = systemError();
      return std::nullopt;
    }
  }

 private:
  Descriptor fd_;
};

class HostOutputFile : public OutputFile {
 public:
  explicit HostOutputFile(int fd) : fd_(fd) {}

  bool write(std::string_view bytes, std::string& error) override {
    while (!bytes.empty()) {
      const ssize_t written = ::write(fd_.get(), bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        error = systemError();
        return false;
      }
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
  }

  bool finish(std::string& error) override {
    if (::fsync(fd_.get()) != 0) {
      error = systemError();
      return false;
    }
    if (!fd_.close()) {
      error = systemError();
      return false;
    }
    return true;
  }

 private:
  Descriptor fd_;
};

constexpr mode_t kPermissionBits = 0777;

class HostFileSystem : public FileSystem {
 public:
  std::optional<FileIdentity> identity(const std::string& path) override {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return FileIdentity{.permissions = status.st_mode & kPermissionBits,
                        .group = static_cast<long>(status.st_gid)};
  }

  bool isWritable(const std::string& path) override {
    // The permission bits count too: the superuser may write anything, but a
    // file that nobody may write is meant to stay as it is.
    const std::optional<FileIdentity> file = identity(path);
    return file && (file->permissions & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
  }

  std::optional<std::string> linkTarget(const std::string& path) override {
    std::error_code code;
    if (!fs::is_symlink(fs::symlink_status(path, code))) return std::nullopt;
    const fs::path target = fs::read_symlink(path, code);
    if (code) return std::nullopt;
    return target.string();
  }

  std::unique_ptr<InputFile> openForReading(const std::string& path, std::string& error) override {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      error = systemError();
      return nullptr;
    }
    return std::make_unique<HostInputFile>(fd);
  }

  std::unique_ptr<OutputFile> createNew(const std::string& path,
                                        const std::optional<FileIdentity>& identity,
                                        std::string& error) override {
    // A file that takes another's permissions is private while it is written,
    // so that a private database never shows through its copy.
    const mode_t mode = identity ? 0600 : 0666;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) {
      error = systemError();
      return nullptr;
    }
    auto file = std::make_unique<HostOutputFile>(fd);
    if (identity) {
      // Changing the group needs membership of it; refused that, the file keeps
      // the user's group, and still the permissions.
      const bool grouped =
          ::fchown(fd, static_cast<uid_t>(-1), static_cast<gid_t>(identity->group)) == 0 ||
          errno == EPERM;
      if (!grouped ||
          ::fchmod(fd, static_cast<mode_t>(identity->permissions) & kPermissionBits) != 0) {
        error = systemError();
        file.reset();
        ::unlink(path.c_str());
        return nullptr;
      }
    }
    return file;
  }

  bool rename(const std::string& from, const std::string& to, std::string& error) override {
    if (::rename(from.c_str(), to.c_str()) == 0) return true;
    error = systemError();
    return false;
  }

  bool hardLink(const std::string& existing, const std::string& newName,
                std::string& error) override {
    if (::link(existing.c_str(), newName.c_str()) == 0) return true;
    error = systemError();
    return false;
  }

  bool syncFolder(const std::string& folder, std::string& error) override {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid() || ::fsync(fd.get()) != 0) {
      error = systemError();
      return false;
    }
    return true;
  }

  void remove(const std::string& path) override { ::unlink(path.c_str()); }

  std::vector<std::string> folderEntries(const std::string& folder) override {
    std::vector<std::string> names;
    std::error_code code;
    for (fs::directory_iterator it(folder, code), end; !code && it != end; it.increment(code)) {
      names.push_back(it->path().filename().string());
    }
    return names;
  }

  long processId() override { return static_cast<long>(::getpid()); }

  std::string hostName() override {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return "localhost";
    return name;
  }

  bool processIsRunning(long processId) override {
    if (processId <= 0) return true;
    // Signal 0 only asks; a process of another user answers "not permitted".
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno != ESRCH;
  }
};

}  // namespace

FileSystem& hostFileSystem() {
  static HostFileSystem system;
  return system;
}

}  // namespace korain
