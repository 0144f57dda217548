// The "Risk of resonance" section of the data report.
#pragma once

#include "report/report_context.h"
#include "resonance/resonance_records.h"

namespace korain {

void printResonanceEvaluation(ReportContext& report, const ResonanceEvaluation& evaluation);

}  // namespace korain
