// One operation per item of the data report; each prints nothing on a
// preview the user has closed.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "properties/bulkhead_weight.h"
#include "properties/span_properties.h"
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
// Per bulkhead its steel weight, then its stiffener spans' section properties.
void printWeightsAndProperties(ReportContext& report);

// The drawing of one bulkhead across the page, after making room for it.
void printBulkheadDrawing(ReportContext& report, int bulkhead);

// The two tables of a bulkhead's weights and section properties: its weight
// part by part, and its spans' properties, one row for spans alike.
void printWeightTable(ReportContext& report, int bulkhead, const BulkheadWeight& weight);
void printSpanPropertiesTable(ReportContext& report, int bulkhead,
                              const std::vector<SpanProperties>& spans);

}  // namespace korain
