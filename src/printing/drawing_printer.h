// The drawing sheet printed on a printer.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPrinter>
#include <string>

#include "drawing_print.h"

namespace korain {

// Prints the sheet on the printer, set up by the caller (paper, orientation).
// False with the reason when the printer cannot be painted on.
bool printDrawingOn(QPrinter& printer, const DrawingPrint& print, const DrawingScene& scene,
                    std::string& error);

}  // namespace korain
