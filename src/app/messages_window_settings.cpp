// Reading and writing the messages window's place in "Tessaly.ini".
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages_window_settings.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "configuration.h"

namespace korain {
namespace {

using config_id::kMessagesShown;
using config_id::kMessagesSide;
using config_id::kMessagesSize;
using config_id::kScreenSection;

// Flags are stored as the family stores them: -1 for yes, 0 for no; any
// other number reads as yes.
constexpr int kYes = -1;
constexpr int kNo = 0;

constexpr std::array<std::pair<DockSide, std::string_view>, 5> kSideNames = {{
    {DockSide::Bottom, "Bottom"},
    {DockSide::Top, "Top"},
    {DockSide::Left, "Left"},
    {DockSide::Right, "Right"},
    {DockSide::Floating, "Floating"},
}};

DockSide sideNamed(std::string_view name) {
  const auto* found = std::find_if(kSideNames.begin(), kSideNames.end(),
                                   [name](const auto& side) { return side.second == name; });
  return found == kSideNames.end() ? DockSide::Bottom : found->first;
}

std::string_view nameOf(DockSide side) {
  const auto* found = std::find_if(kSideNames.begin(), kSideNames.end(),
                                   [side](const auto& named) { return named.first == side; });
  return found == kSideNames.end() ? kSideNames.front().second : found->second;
}

}  // namespace

MessagesWindowPlace readMessagesWindowPlace(const std::string& iniPath, RefusedValues* refused) {
  const IniFile ini(iniPath, refused);
  MessagesWindowPlace place;
  place.shown = ini.integer(kScreenSection, kMessagesShown, kNo, config_range::kFlag) != kNo;
  place.side = sideNamed(ini.text(kScreenSection, kMessagesSide, nameOf(place.side)));
  place.size =
      ini.integer(kScreenSection, kMessagesSize, place.size, config_range::kMessagesWindowSize);
  return place;
}

ConfigWriteResult writeMessagesWindowPlace(const std::string& iniPath,
                                           const MessagesWindowPlace& place) {
  IniFile ini(iniPath);
  ini.setInteger(kScreenSection, kMessagesShown, place.shown ? kYes : kNo);
  ini.setText(kScreenSection, kMessagesSide, nameOf(place.side));
  const ValueRange& range = config_range::kMessagesWindowSize;
  ini.setInteger(
      kScreenSection, kMessagesSize,
      std::clamp(place.size, static_cast<int>(range.minimum), static_cast<int>(range.maximum)));
  return ini.save();
}

}  // namespace korain
