// Reading and writing the data report's settings in "Tessaly.ini".
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_settings.h"

#include "configuration.h"

namespace korain {
namespace {

using config_id::kIdentificationSection;
using config_id::kPrinterSection;

constexpr Long kLeftMargin = 434;
constexpr Long kFootMargin = 435;
constexpr Long kBottomMargin = 436;
constexpr Long kReportFont = 437;
constexpr Long kReportFontSize = 438;
constexpr Long kSymbolFont = 439;
constexpr Long kStartPage = 440;
constexpr Long kItemsKey = 441;
constexpr Long kPrinterName = 442;
constexpr Long kUser = 424;
constexpr Long kOrganisation = 428;

// The items as a row of 0 and 1, item 0 first.
std::string itemsText(const std::array<bool, kReportItems>& items) {
  std::string text;
  for (const bool chosen : items) text += chosen ? '1' : '0';
  return text;
}

// Files written before the weights and section properties were an item hold
// a row of the items before it; the new item is then not chosen.
constexpr std::size_t kItemsBeforeWeights = 10;

std::array<bool, kReportItems> itemsOf(const std::string& text) {
  std::array<bool, kReportItems> items{};
  items.fill(true);
  // Anything but a full row of 0 and 1 is no choice of ours: every item.
  const bool fullRow = text.size() == items.size() || text.size() == kItemsBeforeWeights;
  if (!fullRow || text.find_first_not_of("01") != std::string::npos) return items;
  items.fill(false);
  for (std::size_t i = 0; i < text.size(); ++i) items[i] = text[i] == '1';
  return items;
}

}  // namespace

ReportSettings readReportSettings(const std::string& iniPath, RefusedValues* refused) {
  const IniFile ini(iniPath, refused);
  ReportSettings settings;
  PageSetup& setup = settings.setup;
  const auto number = [&ini](Long key, double value, const ValueRange& range) {
    return static_cast<double>(ini.number(kPrinterSection, key, static_cast<Single>(value), range));
  };
  setup.LeftMargin = number(kLeftMargin, setup.LeftMargin, config_range::kReportMargin);
  setup.FootMargin = number(kFootMargin, setup.FootMargin, config_range::kReportMargin);
  setup.BottomMargin = number(kBottomMargin, setup.BottomMargin, config_range::kReportMargin);
  setup.FontName = ini.text(kPrinterSection, kReportFont, setup.FontName);
  setup.FontSize = number(kReportFontSize, setup.FontSize, config_range::kFontSize);
  setup.SymbolFontName = ini.text(kPrinterSection, kSymbolFont, setup.SymbolFontName);
  setup.FirstPage =
      ini.integer(kPrinterSection, kStartPage, setup.FirstPage, config_range::kStartPage);
  setup.UserName = ini.text(kIdentificationSection, kUser, {});
  setup.Organisation = ini.text(kIdentificationSection, kOrganisation, {});
  settings.items = itemsOf(ini.text(kPrinterSection, kItemsKey, {}));
  settings.printer = ini.text(kPrinterSection, kPrinterName, {});
  return settings;
}

ConfigWriteResult writeReportSettings(const std::string& iniPath, const ReportSettings& settings) {
  IniFile ini(iniPath);
  const PageSetup& setup = settings.setup;
  ini.setNumber(kPrinterSection, kLeftMargin, static_cast<Single>(setup.LeftMargin));
  ini.setNumber(kPrinterSection, kFootMargin, static_cast<Single>(setup.FootMargin));
  ini.setNumber(kPrinterSection, kBottomMargin, static_cast<Single>(setup.BottomMargin));
  ini.setText(kPrinterSection, kReportFont, setup.FontName);
  ini.setNumber(kPrinterSection, kReportFontSize, static_cast<Single>(setup.FontSize));
  ini.setText(kPrinterSection, kSymbolFont, setup.SymbolFontName);
  ini.setInteger(kPrinterSection, kStartPage, setup.FirstPage);
  ini.setText(kIdentificationSection, kUser, setup.UserName);
  ini.setText(kIdentificationSection, kOrganisation, setup.Organisation);
  ini.setText(kPrinterSection, kItemsKey, itemsText(settings.items));
  ini.setText(kPrinterSection, kPrinterName, settings.printer);
  return ini.save();
}

}  // namespace korain
