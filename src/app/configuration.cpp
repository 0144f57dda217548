// Reading and writing the records kept in "Tessaly.ini".
// SPDX-License-Identifier: GPL-3.0-or-later
#include "configuration.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <initializer_list>

#include "io/file_services.h"
#include "model/versions.h"
#include "text/string_table.h"
#include "text/text_utils.h"

namespace korain {
namespace {

using config_id::kBasePath;
using config_id::kCircleRadius;
using config_id::kColourSection;
using config_id::kDataPath;
using config_id::kExportPath;
using config_id::kIdentificationSection;
using config_id::kLastDatabase;
using config_id::kMakeBackup;
using config_id::kMouseTolerance;
using config_id::kPanelWidth;
using config_id::kPathSection;
using config_id::kPrinterSection;
using config_id::kScantlingLabels;
using config_id::kScreenSection;
using config_id::kSecondPath;
using config_id::kSteelDensity;
using config_id::kStiffenerSupports;
using config_id::kThicknessDeduction;
using config_id::kZoomFactor;

// The family's installation keeps this file in its base folder; a base folder
// without it is not one.
constexpr std::string_view kBaseFolderMark = "Vororu.dat";

bool folderExists(const std::string& path) {
  std::error_code ignored;
  return !path.empty() && std::filesystem::is_directory(path, ignored);
}

std::string withTrailingSeparator(std::string folder) {
  if (!folder.ends_with('/') && !folder.ends_with('\\')) folder.push_back('/');
  return folder;
}

Long deviceSection(OutputDevice device) {
  return device == OutputDevice::Screen ? kScreenSection : kPrinterSection;
}

// The display keys, where each lives in the record, and the range it is held to.
struct IntegerKey {
  Long key;
  int DisplayConfig::*field;
  ValueRange range;
};
struct NumberKey {
  Long key;
  Single DisplayConfig::*field;
  ValueRange range;
};
constexpr IntegerKey kDisplayIntegers[] = {
    {408, &DisplayConfig::PanelFontSize, config_range::kLabelSize},
    {409, &DisplayConfig::NodeFontSize, config_range::kLabelSize},
    {410, &DisplayConfig::StiffenerFontSize, config_range::kLabelSize},
    {411, &DisplayConfig::AxisFontSize, config_range::kLabelSize},
    {416, &DisplayConfig::Margin, config_range::kDrawingMargin}};
constexpr NumberKey kDisplayNumbers[] = {
    {413, &DisplayConfig::OffsetY, config_range::kAnyNumber},
    {414, &DisplayConfig::OffsetZ, config_range::kAnyNumber},
    {415, &DisplayConfig::LineWidth, config_range::kAnyNumber},
    {417, &DisplayConfig::TextAngle, config_range::kAnyNumber},
    {418, &DisplayConfig::ReductionFactor, config_range::kReductionFactor}};
constexpr Long kFontName = 412;

constexpr Long kBackColour = 426;
constexpr Long kLineColour = 427;
// The family's defaults, in its own notation: "&H" alone is 0.
constexpr std::string_view kBackColourDefault = "&h1";
constexpr std::string_view kLineColourDefault = "&H";

struct TextKey {
  Long key;
  std::string IdentificationConfig::*field;
};
constexpr TextKey kIdentificationKeys[] = {
    {419, &IdentificationConfig::Company},        {420, &IdentificationConfig::Department},
    {421, &IdentificationConfig::Project},        {422, &IdentificationConfig::DrawnBy},
    {423, &IdentificationConfig::CheckedBy},      {424, &IdentificationConfig::User},
    {425, &IdentificationConfig::Site},           {428, &IdentificationConfig::Organisation},
    {429, &IdentificationConfig::Identification}, {431, &IdentificationConfig::ExportPath},
    {432, &IdentificationConfig::Licence}};

constexpr std::string_view kDebugSection = "Config";
constexpr std::string_view kDebugFolderKey = "Kora_Path";
constexpr std::string_view kDebugFolderDefault = R"(H:\Exe\KoraDev\)";

}  // namespace

std::string defaultDataFolder(const std::string& programFolder) {
  const QFileInfo program(QString::fromStdString(programFolder));
  if (program.isDir() && program.isWritable()) return programFolder;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString folder =
      !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
  return QDir::toNativeSeparators(folder).toStdString();
}

PathConfig readPathConfig(const std::string& iniPath, const std::string& programFolder,
                          RefusedValues* refused) {
  const IniFile ini(iniPath, refused);
  PathConfig config;
  const std::string programBase = withTrailingSeparator(programFolder);

  config.BasePath = ini.text(kPathSection, kBasePath, {});
  config.BasePath = config.BasePath.empty() ? programBase : withTrailingSeparator(config.BasePath);
  if (!fileExists(config.BasePath + std::string(kBaseFolderMark))) config.BasePath = programBase;

  const std::string dataFolder = defaultDataFolder(programFolder);
  config.DataPath = ini.text(kPathSection, kDataPath, dataFolder);
  if (!folderExists(config.DataPath)) {
    // Where the family falls back on the program's folder, one the user may
    // not write is no place for data.
    const bool programFolderUnwritable = dataFolder != programFolder;
    config.DataPath =
        config.BasePath == programBase && programFolderUnwritable ? dataFolder : config.BasePath;
  }

  config.SecondPath = ini.text(kPathSection, kSecondPath, config.DataPath);
  if (!folderExists(config.SecondPath)) config.SecondPath = config.DataPath;

  config.ExportPath = ini.text(kPathSection, kExportPath, {});

  config.LastDatabase = ini.text(kPathSection, kLastDatabase, {});
  if (!fileExists(config.LastDatabase)) config.LastDatabase.clear();

  config.CircleRadius =
      ini.number(kPathSection, kCircleRadius, config.CircleRadius, config_range::kCircleRadius);
  // The family's flags: -1 is true, and any value but 0 reads as true.
  config.MakeBackup = ini.integer(kPathSection, kMakeBackup, -1, config_range::kFlag) != 0;
  config.MouseTolerance = ini.number(kPathSection, kMouseTolerance, config.MouseTolerance,
                                     config_range::kMouseTolerance);
  config.ZoomFactor =
      ini.number(kPathSection, kZoomFactor, config.ZoomFactor, config_range::kZoomFactor);
  config.SteelDensity =
      ini.number(kPathSection, kSteelDensity, config.SteelDensity, config_range::kSteelDensity);
  config.ThicknessDeduction =
      ini.number(kPathSection, kThicknessDeduction, config.ThicknessDeduction,
                 config_range::kThicknessDeduction);

  config.DatabasePath = config.LastDatabase;
  return config;
}

ConfigWriteResult writePathConfig(const std::string& iniPath, const PathConfig& config) {
  IniFile ini(iniPath);
  ini.setText(kPathSection, kDataPath, config.DataPath);
  ini.setText(kPathSection, kSecondPath, config.SecondPath);
  ini.setText(kPathSection, kExportPath, config.ExportPath);
  ini.setText(kPathSection, kLastDatabase,
              config.DatabasePath.empty() ? config.LastDatabase : config.DatabasePath);
  ini.setNumber(kPathSection, kCircleRadius, config.CircleRadius);
  ini.setInteger(kPathSection, kMakeBackup, config.MakeBackup ? -1 : 0);
  ini.setNumber(kPathSection, kMouseTolerance, config.MouseTolerance);
  ini.setNumber(kPathSection, kZoomFactor, config.ZoomFactor);
  ini.setNumber(kPathSection, kSteelDensity, config.SteelDensity);
  ini.setNumber(kPathSection, kThicknessDeduction, config.ThicknessDeduction);
  return ini.save();
}

DisplayConfig readDisplayConfig(const std::string& iniPath, OutputDevice device,
                                RefusedValues* refused) {
  const IniFile ini(iniPath, refused);
  const Long section = deviceSection(device);
  DisplayConfig config = defaultDisplayConfig();
  for (const auto& [key, field, range] : kDisplayIntegers) {
    config.*field = ini.integer(section, key, config.*field, range);
  }
  for (const auto& [key, field, range] : kDisplayNumbers) {
    config.*field = ini.number(section, key, config.*field, range);
  }
  config.FontName = ini.text(section, kFontName, config.FontName);
  return config;
}

ConfigWriteResult writeDisplayConfig(const std::string& iniPath, OutputDevice device,
                                     const DisplayConfig& config) {
  IniFile ini(iniPath);
  const Long section = deviceSection(device);
  for (const IntegerKey& entry : kDisplayIntegers) {
    ini.setInteger(section, entry.key, config.*entry.field);
  }
  for (const NumberKey& entry : kDisplayNumbers)
    ini.setNumber(section, entry.key, config.*entry.field);
  ini.setText(section, kFontName, config.FontName);
  return ini.save();
}

int readPanelWidth(const std::string& iniPath, RefusedValues* refused) {
  return IniFile(iniPath, refused)
      .integer(kScreenSection, kPanelWidth, 0, config_range::kPanelWidth);
}

ConfigWriteResult writePanelWidth(const std::string& iniPath, int width) {
  const ValueRange& range = config_range::kPanelWidth;
  IniFile ini(iniPath);
  ini.setInteger(
      kScreenSection, kPanelWidth,
      std::clamp(width, static_cast<int>(range.minimum), static_cast<int>(range.maximum)));
  return ini.save();
}

// A flag as the family stores it: -1 for yes, 0 for no; any other number reads as yes.
bool readScantlingLabels(const std::string& iniPath, RefusedValues* refused) {
  return IniFile(iniPath, refused)
             .integer(kScreenSection, kScantlingLabels, 0, config_range::kFlag) != 0;
}

ConfigWriteResult writeScantlingLabels(const std::string& iniPath, bool shown) {
  IniFile ini(iniPath);
  ini.setInteger(kScreenSection, kScantlingLabels, shown ? -1 : 0);
  return ini.save();
}

bool readStiffenerSupports(const std::string& iniPath, RefusedValues* refused) {
  return IniFile(iniPath, refused)
             .integer(kScreenSection, kStiffenerSupports, -1, config_range::kFlag) != 0;
}

ConfigWriteResult writeStiffenerSupports(const std::string& iniPath, bool shown) {
  IniFile ini(iniPath);
  ini.setInteger(kScreenSection, kStiffenerSupports, shown ? -1 : 0);
  return ini.save();
}

ColourConfig readColours(const std::string& iniPath) {
  const IniFile ini(iniPath);
  const auto colour = [&ini](Long key, std::string_view defaultText) {
    const std::uint32_t defaultValue = parseHexValue(defaultText).value_or(0);
    return parseHexValue(ini.text(kColourSection, key, defaultText)).value_or(defaultValue);
  };
  return {.BackColour = colour(kBackColour, kBackColourDefault),
          .LineColour = colour(kLineColour, kLineColourDefault)};
}

ConfigWriteResult writeColours(const std::string& iniPath, const ColourConfig& colours) {
  IniFile ini(iniPath);
  ini.setText(kColourSection, kBackColour, hexValueText(colours.BackColour));
  ini.setText(kColourSection, kLineColour, hexValueText(colours.LineColour));
  return ini.save();
}

IdentificationConfig readIdentificationConfig(const std::string& iniPath) {
  const IniFile ini(iniPath);
  IdentificationConfig config;
  for (const auto& [key, field] : kIdentificationKeys) {
    config.*field = ini.text(kIdentificationSection, key, {});
  }
  return config;
}

ConfigWriteResult writeIdentificationConfig(const std::string& iniPath,
                                            const IdentificationConfig& config) {
  IniFile ini(iniPath);
  for (const auto& [key, field] : kIdentificationKeys) {
    ini.setText(kIdentificationSection, key, config.*field);
  }
  return ini.save();
}

std::string shownValue(const std::string& value) {
  return trimmed(value).empty() ? korainString(text_id::kUnknown) : value;
}

ZelWriteContext zelWriteContext(const IdentificationConfig& config) {
  ZelWriteContext context;
  context.program = kProgramVersion;
  context.user = shownValue(config.User);
  context.site = shownValue(config.Site);
  for (const std::string* part : {&config.Organisation, &config.Identification}) {
    const std::string_view value = trimmed(*part);
    if (value.empty()) continue;
    if (!context.identification.empty()) context.identification += ", ";
    context.identification += value;
  }
  return context;
}

std::string readDebugFolder(const std::string& iniPath) {
  return IniFile(iniPath)
      .find(kDebugSection, kDebugFolderKey)
      .value_or(std::string(kDebugFolderDefault));
}

}  // namespace korain
