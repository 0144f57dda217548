// The drawing print dialog's settings as "Tessaly.ini" keeps them between
// prints: the typed title block lines (section 305), the normalised scale,
// the preview and the printer (section 302, the printer's).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "ini_file.h"

namespace korain {

struct DrawingPrintSettings {
  std::array<std::string, 3> titleLines;
  bool normalisedScale = false;
  bool preview = false;
  std::string printer;  // the printer's name; empty: the system's default
};

// A flag that is no number reads as its default and is noted in `refused` when given.
DrawingPrintSettings readDrawingPrintSettings(const std::string& iniPath,
                                              RefusedValues* refused = nullptr);
ConfigWriteResult writeDrawingPrintSettings(const std::string& iniPath,
                                            const DrawingPrintSettings& settings);

}  // namespace korain
