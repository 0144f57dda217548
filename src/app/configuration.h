// The records kept in "Tessaly.ini" between runs: folders, preferences, display, identification.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "ini_file.h"
#include "io/zel_writer.h"
#include "model/arrangement.h"
#include "view/display_config.h"

namespace korain {

// Section and key names are numbered texts shared by the family's programs.
namespace config_id {
inline constexpr Long kPathSection = 300;
inline constexpr Long kScreenSection = 301;
inline constexpr Long kPrinterSection = 302;
inline constexpr Long kColourSection = 303;
inline constexpr Long kIdentificationSection = 308;

inline constexpr Long kBasePath = 400;
inline constexpr Long kDataPath = 401;
inline constexpr Long kSecondPath = 402;
inline constexpr Long kLastDatabase = 403;
inline constexpr Long kCircleRadius = 404;
inline constexpr Long kMakeBackup = 405;
inline constexpr Long kMouseTolerance = 406;
inline constexpr Long kZoomFactor = 430;
inline constexpr Long kExportPath = 431;
inline constexpr Long kPanelWidth = 433;
inline constexpr Long kScantlingLabels = 449;
inline constexpr Long kMessagesShown = 450;
inline constexpr Long kMessagesSide = 451;
inline constexpr Long kMessagesSize = 452;
inline constexpr Long kSteelDensity = 453;
inline constexpr Long kThicknessDeduction = 454;
inline constexpr Long kStiffenerSupports = 3840;

}  // namespace config_id

// Folders and general preferences (section 300), with the database being edited.
struct PathConfig {
  std::string BasePath;      // the family's data files; ends with a separator
  std::string DataPath;      // made the current folder at start-up
  std::string SecondPath;    // a further working folder
  std::string ExportPath;    // where drawings are exported; empty: the current folder
  std::string LastDatabase;  // opened when the command line names none; empty: none
  Single CircleRadius = 1.5F;
  bool MakeBackup = true;  // ".bak" copy on save, ".old" copy at start-up
  Single MouseTolerance = 3.0F;
  Single ZoomFactor = 1.5F;
  // The weights and the section properties: the steel's density (t/m³) and the
  // millimetres a net section loses off every thickness (0: gross only).
  Single SteelDensity = 7.85F;
  Single ThicknessDeduction = 0;

  // Not kept in the file: the database being edited and its arrangement block.
  std::string DatabasePath;
  Integer ArrangementNumber = 0;

  bool operator==(const PathConfig&) const = default;
};

// The folder the user's databases, drawings and reports go to when the
// configuration names none: the program's folder, as in the family, unless the
// user may not write there (an installed program lies in a system folder);
// then the user's documents folder, or the home folder without one.
std::string defaultDataFolder(const std::string& programFolder);

// Reads section 300 with its defaults, then corrects the values in this order:
// BasePath (programFolder when missing) gets a trailing separator and becomes
// programFolder when it does not hold "Vororu.dat", since the family's data
// file is looked up there; DataPath (defaultDataFolder when missing) becomes
// BasePath when the folder does not exist, or defaultDataFolder where BasePath
// is the program's folder; SecondPath (DataPath when missing) becomes DataPath
// when it does not exist; LastDatabase becomes empty when the file does not
// exist. DatabasePath starts as LastDatabase.
// Numbers outside the range their dialog enforces read as their defaults, here and in the
// readers below, and are noted in `refused` when given.
PathConfig readPathConfig(const std::string& iniPath, const std::string& programFolder,
                          RefusedValues* refused = nullptr);

// Writes the keys that the program may change (not BasePath, which belongs to the
// family's installation). The last database is the one being edited, or the
// one read at start-up when none is.
ConfigWriteResult writePathConfig(const std::string& iniPath, const PathConfig& config);

// The display settings of a device (section 301 or 302), each missing key at its default.
DisplayConfig readDisplayConfig(const std::string& iniPath, OutputDevice device,
                                RefusedValues* refused = nullptr);
ConfigWriteResult writeDisplayConfig(const std::string& iniPath, OutputDevice device,
                                     const DisplayConfig& config);

// The width in pixels of the editor's panel column as the user left it (section
// 301); 0 when never set, and the column takes what its panels need. A width beyond
// the range is written as its nearest bound.
int readPanelWidth(const std::string& iniPath, RefusedValues* refused = nullptr);
ConfigWriteResult writePanelWidth(const std::string& iniPath, int width);

// Whether the drawing shows the scantling labels, as the user left it (section
// 301); off when never set.
bool readScantlingLabels(const std::string& iniPath, RefusedValues* refused = nullptr);
ConfigWriteResult writeScantlingLabels(const std::string& iniPath, bool shown);

// Whether the stiffeners panel shows the spans' supports, as the user left it
// (section 301); on when never set.
bool readStiffenerSupports(const std::string& iniPath, RefusedValues* refused = nullptr);
ConfigWriteResult writeStiffenerSupports(const std::string& iniPath, bool shown);

// The drawing colours (section 303), each missing key at the family's default.
ColourConfig readColours(const std::string& iniPath);
ConfigWriteResult writeColours(const std::string& iniPath, const ColourConfig& colours);

// Title-block and identification values (section 308). Empty means not given.
struct IdentificationConfig {
  std::string Company;
  std::string Department;
  std::string Project;
  std::string DrawnBy;
  std::string CheckedBy;
  std::string User;
  std::string Site;
  std::string Organisation;
  std::string Identification;
  std::string ExportPath;
  std::string Licence;

  bool operator==(const IdentificationConfig&) const = default;
};

IdentificationConfig readIdentificationConfig(const std::string& iniPath);
ConfigWriteResult writeIdentificationConfig(const std::string& iniPath,
                                            const IdentificationConfig& config);

// A value as the title block and the block comments show it: text 125 when empty.
std::string shownValue(const std::string& value);

// The program-comment values of a ZEL block written now: this program's version,
// the user and the site (text 125 when not given), and the identification made of
// the organisation and the identification value, joined by ", " (empty when
// neither is given, so no identification line is written). Date and time are the
// caller's, taken at the moment of saving.
ZelWriteContext zelWriteContext(const IdentificationConfig& config);

// The folder a debug run works in: key "Kora_Path" of section "Config".
std::string readDebugFolder(const std::string& iniPath);

}  // namespace korain
