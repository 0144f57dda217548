// Writing bytes to standard output whole, and checking that they reached it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "standard_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>

namespace korain {
namespace {

bool fail(std::ostream& err) {
  err << "standard output: cannot be written: " << std::strerror(errno) << '\n';
  return false;
}

}  // namespace

bool writeStandardOutput(std::string_view bytes, std::ostream& err) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = EIO;  // no progress, and no reason given
    if (written <= 0) return fail(err);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  // A file on a network share may report its failure only on the close.
  if (::close(STDOUT_FILENO) != 0 && errno != EBADF) return fail(err);
  return true;
}

}  // namespace korain
