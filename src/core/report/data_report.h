// The data report: the arrangement printed item by item through the print
// engine, on a printed document or on the preview's pages.
#pragma once

#include <array>
#include <string>

#include "model/arrangement.h"
#include "print/page_setup.h"
#include "print/print_surface.h"
#include "ship/ship_data.h"
#include "view/title_block.h"

namespace korain {

inline constexpr int kReportItems = 10;

// The name of item n as the print dialog lists it; "Cancel" for any other n.
std::string reportItemName(int item);

struct ReportRequest {
  std::array<bool, kReportItems> Items{};  // 0 front page … 9 corrugation
  std::string DatabaseName;                // the file named in every page's header
  TitleBlock Titles;                       // the front page's texts
  Long EnteredSide = 0;                    // the compartment side being entered
};

// Prints the selected items in their order (the resonance evaluation is
// computed for item 8). Nothing is printed when no item is selected.
void printReport(PrintSurface& surface, PageSetup& setup, const Arrangement& arrangement,
                 const ShipData& ship, const ReportRequest& request);

}  // namespace korain
