// The data report: the arrangement printed item by item through the print
// engine, on a printed document or on the preview's pages.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/arrangement.h"
#include "print/page_setup.h"
#include "print/print_surface.h"
#include "properties/bulkhead_weight.h"
#include "resonance/resonance_data.h"
#include "ship/ship_data.h"
#include "view/title_block.h"

namespace korain {

inline constexpr int kReportItems = 11;

// The name of item n as the print dialog lists it; "Cancel" for any other n.
std::string reportItemName(int item);

// The message given for a selection without any item, as the print dialog
// gives it before printing; none when an item is chosen.
std::optional<std::string> reportSelectionProblem(const std::array<bool, kReportItems>& items);

struct ReportRequest {
  std::array<bool, kReportItems> Items{};  // 0 front page … 10 weights and section properties
  std::string DatabaseName;                // the file named in every page's header
  TitleBlock Titles;                       // the front page's texts
  Long EnteredSide = 0;                    // the compartment side being entered
  // Where the data came from: the risk of resonance is judged only on a ship
  // data block that was read and an arrangement read to its end.
  ShipDataPresence ShipPresence = ShipDataPresence::Read;
  ArrangementReading Reading = ArrangementReading::Whole;
  // The weights' steel density (t/m³), and the millimetres off every thickness
  // for the net section moduli (none printed at 0), as the configuration gives them.
  double SteelDensity = kSteelDensity;
  double ThicknessDeduction = 0;
};

// Prints the selected items in their order (the resonance evaluation is
// computed for item 8, or its notice printed when the data do not allow it).
// Nothing is printed when no item is selected.
void printReport(PrintSurface& surface, PageSetup& setup, const Arrangement& arrangement,
                 const ShipData& ship, const ReportRequest& request);

}  // namespace korain
