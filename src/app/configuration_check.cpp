// Checking "Tessaly.ini" once at start-up, and mending what was refused.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "configuration_check.h"

#include "configuration.h"
#include "drawing_print_settings.h"
#include "messages_window_settings.h"
#include "report_settings.h"
#include "text/string_table.h"

namespace korain {
namespace {

// Release 1.0.1 kept the scantling labels' flag under this name, text 449 being missing
// from its string table.
constexpr std::string_view kPlaceholderScantlingKey = "Res #449";

// Moves the flag to its own name unless that already holds one; true when the file changed.
bool carryOverPlaceholderKey(IniFile& ini) {
  const std::string screen = korainString(config_id::kScreenSection);
  const std::optional<std::string> value = ini.find(screen, kPlaceholderScantlingKey);
  if (!value) return false;
  if (!ini.find(config_id::kScreenSection, config_id::kScantlingLabels)) {
    ini.setText(config_id::kScreenSection, config_id::kScantlingLabels, *value);
  }
  ini.remove(screen, kPlaceholderScantlingKey);
  return true;
}

RefusedValues refusedValues(const std::string& iniPath, const std::string& programFolder) {
  RefusedValues refused;
  readPathConfig(iniPath, programFolder, &refused);
  for (const OutputDevice device : {OutputDevice::Screen, OutputDevice::Printer}) {
    readDisplayConfig(iniPath, device, &refused);
  }
  readPanelWidth(iniPath, &refused);
  readMessagesWindowPlace(iniPath, &refused);
  readScantlingLabels(iniPath, &refused);
  readStiffenerSupports(iniPath, &refused);
  readReportSettings(iniPath, &refused);
  readDrawingPrintSettings(iniPath, &refused);
  return refused;
}

}  // namespace

std::vector<std::string> checkConfiguration(const std::string& iniPath,
                                            const std::string& programFolder) {
  std::vector<std::string> remarks;
  const auto save = [&remarks](IniFile& ini) {
    if (const ConfigWriteResult written = ini.save(); !written.ok()) {
      remarks.push_back(written.error);
    }
  };
  {
    IniFile ini(iniPath);
    if (carryOverPlaceholderKey(ini)) save(ini);
  }
  const RefusedValues refused = refusedValues(iniPath, programFolder);
  if (refused.empty()) return remarks;
  IniFile ini(iniPath);
  for (const RefusedValue& value : refused) {
    remarks.push_back(refusalText(value));
    ini.setText(value.section, value.key, value.defaultValue);
  }
  save(ini);
  return remarks;
}

}  // namespace korain
