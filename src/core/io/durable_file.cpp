// Writing a whole file so that it is on the disk when the call returns.
//
// The standard library can flush its own buffers but not the system's, so this
// is the one place where the core speaks to the operating system directly: a
// database replaced by a rename must have its new content on the disk first, or
// a power cut could leave an empty file under the database's name.
#include "io/durable_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace korain {

bool writeFileDurably(const std::string& path, std::string_view bytes, std::string& error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error = std::strerror(errno);
      ::close(fd);
      return false;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  const bool synced = ::fsync(fd) == 0;
  if (!synced) error = std::strerror(errno);
  if (::close(fd) != 0 && synced) {
    error = std::strerror(errno);
    return false;
  }
  return synced;
}

}  // namespace korain
