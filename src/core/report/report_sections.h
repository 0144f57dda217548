// One operation per item of the data report; each prints nothing on a
// preview the user has closed.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/data_report.h"
#include "report/report_context.h"

namespace korain {

void printFrontPage(ReportContext& report, const TitleBlock& titles);
void printMainData(ReportContext& report, Long enteredSide);
void printBulkheadDescription(ReportContext& report);
void printNodes(ReportContext& report);
// With the drawings included, each bulkhead's drawing follows its member table.
enum class BulkheadDrawings { Omitted, Included };
void printPrimaryMembers(ReportContext& report, BulkheadDrawings drawings);
void printOrdinaryStiffeners(ReportContext& report, BulkheadDrawings drawings);
void printStrakeBands(ReportContext& report);
void printCompartments(ReportContext& report);
void printCorrugation(ReportContext& report);

// The drawing of one bulkhead across the page, after making room for it.
void printBulkheadDrawing(ReportContext& report, int bulkhead);

}  // namespace korain
