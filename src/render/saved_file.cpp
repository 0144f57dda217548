// SPDX-License-Identifier: GPL-3.0-or-later
#include "saved_file.h"

#include <QSaveFile>

namespace korain {

bool saveBytes(const std::string& path, const QByteArray& bytes, std::string& error) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    error = file.errorString().toStdString();
    return false;
  }
  return true;
}

}  // namespace korain
