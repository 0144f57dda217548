// What the print dialog checks of the page set-up's margins before printing:
// the smallest margin a printer allows, and the questions asked about margins
// below it or in the wrong order.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "print/page_setup.h"

namespace korain {

// The smallest margin (cm) a printer allows: what its paper's height exceeds
// its printable height by, to one decimal.
double smallestPrinterMargin(double paperHeightCm, double printableHeightCm);

// The questions to ask, in order, before printing with these margins; each
// answered Cancel keeps the dialog open. None when the margins are fine.
std::vector<std::string> marginQuestions(const PageSetup& setup, double smallestMargin);

}  // namespace korain
