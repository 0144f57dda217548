#include "app/identity.h"

#include <QProcessEnvironment>
#include <QSysInfo>

namespace korain {

std::string loginName() {
  const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"USER", "USERNAME", "LOGNAME"}) {
    const QString value = environment.value(QString::fromLatin1(name));
    if (!value.isEmpty()) return value.toStdString();
  }
  return {};
}

std::string computerName() { return QSysInfo::machineHostName().toStdString(); }

}  // namespace korain
