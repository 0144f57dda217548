// The "Risk of resonance" section of the data report.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "report/report_context.h"
#include "resonance/resonance_records.h"

namespace korain {

void printResonanceEvaluation(ReportContext& report, const ResonanceEvaluation& evaluation);

// The section with the lines that say why there is no evaluation, in place of
// its periods and verdicts.
void printResonanceNotice(ReportContext& report, const std::vector<std::string>& notice);

}  // namespace korain
