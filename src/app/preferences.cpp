// Gathering the preferences from the session and storing the edited ones back, checked.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"

#include <QDir>
#include <QFileInfo>

#include "text/format_message.h"
#include "text/text_utils.h"

namespace korain {

Preferences currentPreferences(const Session& session, const std::string& iniPath) {
  const PathConfig& paths = session.run().paths;
  return {.DataPath = paths.DataPath,
          .CircleRadius = paths.CircleRadius,
          .MouseTolerance = paths.MouseTolerance,
          .ZoomFactor = paths.ZoomFactor,
          .MakeBackup = paths.MakeBackup,
          .SteelDensity = paths.SteelDensity,
          .ThicknessDeduction = paths.ThicknessDeduction,
          .screen = readDisplayConfig(iniPath, OutputDevice::Screen),
          .printer = readDisplayConfig(iniPath, OutputDevice::Printer)};
}

std::string normalisedFolder(const std::string& typed) {
  const QString folder = QString::fromStdString(std::string(trimmed(typed)));
  if (folder.isEmpty()) return {};
  return QDir::cleanPath(folder).toStdString();
}

PreferencesResult storePreferences(Session& session, const std::string& iniPath,
                                   Preferences preferences) {
  preferences.DataPath = normalisedFolder(preferences.DataPath);
  if (!QFileInfo(QString::fromStdString(preferences.DataPath)).isDir()) {
    return {.stored = false,
            .message = formatMessage("The directory²¤²does not exist", {preferences.DataPath})};
  }
  PathConfig paths = session.run().paths;
  paths.DataPath = preferences.DataPath;
  paths.CircleRadius = preferences.CircleRadius;
  paths.MouseTolerance = preferences.MouseTolerance;
  paths.ZoomFactor = preferences.ZoomFactor;
  paths.MakeBackup = preferences.MakeBackup;
  paths.SteelDensity = preferences.SteelDensity;
  paths.ThicknessDeduction = preferences.ThicknessDeduction;
  session.setPaths(paths);
  session.setScreen(preferences.screen);
  std::string error;
  for (const ConfigWriteResult& written :
       {writePathConfig(iniPath, paths),
        writeDisplayConfig(iniPath, OutputDevice::Screen, preferences.screen),
        writeDisplayConfig(iniPath, OutputDevice::Printer, preferences.printer)}) {
    if (!written.ok() && error.empty()) error = written.error;
  }
  return {.stored = true, .message = error};
}

}  // namespace korain
