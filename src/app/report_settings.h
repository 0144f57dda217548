// The data report's page set-up, choice of items and printer as "Tessaly.ini"
// keeps them between prints: section 302 (the printer's), with the front
// page's user name and organisation in section 308.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "ini_file.h"
#include "print/page_setup.h"
#include "report/data_report.h"

namespace korain {

struct ReportSettings {
  PageSetup setup;
  std::array<bool, kReportItems> items{};
  std::string printer;  // the printer's name; empty: the system's default
};

// The settings last kept; the page set-up's defaults and every item where the
// file has none. A number outside the range the print dialog enforces reads as its
// default and is noted in `refused` when given.
ReportSettings readReportSettings(const std::string& iniPath, RefusedValues* refused = nullptr);
ConfigWriteResult writeReportSettings(const std::string& iniPath, const ReportSettings& settings);

}  // namespace korain
