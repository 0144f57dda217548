// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages_window_settings.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "configuration.h"

namespace korain {
namespace {

using config_id::kScreenSection;

constexpr Long kMessagesShown = 450;
constexpr Long kMessagesSide = 451;
constexpr Long kMessagesSize = 452;

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

MessagesWindowPlace readMessagesWindowPlace(const std::string& iniPath) {
  const IniFile ini(iniPath);
  MessagesWindowPlace place;
  place.shown = ini.integer(kScreenSection, kMessagesShown, kNo) != kNo;
  place.side = sideNamed(ini.text(kScreenSection, kMessagesSide, nameOf(place.side)));
  const int size = ini.integer(kScreenSection, kMessagesSize, place.size);
  if (size >= 0 && size <= kLargestMessagesWindowSize) place.size = size;
  return place;
}

ConfigWriteResult writeMessagesWindowPlace(const std::string& iniPath,
                                           const MessagesWindowPlace& place) {
  IniFile ini(iniPath);
  ini.setInteger(kScreenSection, kMessagesShown, place.shown ? kYes : kNo);
  ini.setText(kScreenSection, kMessagesSide, nameOf(place.side));
  ini.setInteger(kScreenSection, kMessagesSize,
                 std::clamp(place.size, 0, kLargestMessagesWindowSize));
  return ini.save();
}

}  // namespace korain
