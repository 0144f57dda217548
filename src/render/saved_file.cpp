// Writing a file's bytes through a temporary renamed over it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "saved_file.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace korain {

bool saveBytes(const std::string& path, const QByteArray& bytes, std::string& error) {
  QSaveFile file(QString::fromStdString(path));
  errno = 0;
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    // Qt keeps no reason for a write that failed on its flush; the system's is still there.
    const int reason = errno;
    error = reason != 0 ? std::strerror(reason) : file.errorString().toStdString();
    return false;
  }
  return true;
}

}  // namespace korain
