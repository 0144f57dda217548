// Reading and writing the drawing print dialog's settings in "Tessaly.ini".
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing_print_settings.h"

#include "configuration.h"

namespace korain {
namespace {

using config_id::kPrinterSection;

constexpr Long kTitleLinesSection = 305;
constexpr std::array<Long, 3> kTitleLineKeys = {443, 444, 445};
constexpr Long kNormalisedScale = 446;
constexpr Long kPreview = 447;
constexpr Long kDrawingPrinter = 448;

// Flags are stored as the family stores them: -1 for yes, 0 for no; any
// other number reads as yes.
constexpr int kYes = -1;
constexpr int kNo = 0;

int flagValue(bool flag) { return flag ? kYes : kNo; }

}  // namespace

DrawingPrintSettings readDrawingPrintSettings(const std::string& iniPath, RefusedValues* refused) {
  const IniFile ini(iniPath, refused);
  DrawingPrintSettings settings;
  for (std::size_t i = 0; i < kTitleLineKeys.size(); ++i) {
    settings.titleLines.at(i) = ini.text(kTitleLinesSection, kTitleLineKeys.at(i), {});
  }
  settings.normalisedScale =
      ini.integer(kPrinterSection, kNormalisedScale, kNo, config_range::kFlag) != kNo;
  settings.preview = ini.integer(kPrinterSection, kPreview, kNo, config_range::kFlag) != kNo;
  settings.printer = ini.text(kPrinterSection, kDrawingPrinter, {});
  return settings;
}

ConfigWriteResult writeDrawingPrintSettings(const std::string& iniPath,
                                            const DrawingPrintSettings& settings) {
  IniFile ini(iniPath);
  for (std::size_t i = 0; i < kTitleLineKeys.size(); ++i) {
    ini.setText(kTitleLinesSection, kTitleLineKeys.at(i), settings.titleLines.at(i));
  }
  ini.setInteger(kPrinterSection, kNormalisedScale, flagValue(settings.normalisedScale));
  ini.setInteger(kPrinterSection, kPreview, flagValue(settings.preview));
  ini.setText(kPrinterSection, kDrawingPrinter, settings.printer);
  return ini.save();
}

}  // namespace korain
