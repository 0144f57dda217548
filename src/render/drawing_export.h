// The drawing written to a file: BMP and PNG pictures, SVG, PDF, and DXF for CAD.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QSize>
#include <optional>
#include <string>

#include "arrangement_painter.h"
#include "view/title_block.h"

namespace korain {

enum class ExportFormat { Bmp, Png, Svg, Pdf, Dxf };

// The format named by the file's extension, in any case; none for another.
std::optional<ExportFormat> exportFormatOf(const std::string& path);

struct ExportRequest {
  std::string path;
  // Pixels; a PDF page of the same size at 96 pixels an inch; a DXF file's
  // labels are placed as on a picture of this size.
  QSize size{1600, 1000};
  // With a title block; it never covers the drawing (drawing_sheet.h).
  std::optional<TitleBlock> titleBlock;
  // Draw at this normalised scale (metres of section per metre of sheet)
  // instead of filling the sheet; 0 fills it.
  double scaleRatio = 0;
  // The date a PDF states (reproducible output); now when none.
  std::optional<QDateTime> created{};
};

// Writes the drawing; false with the reason in `error` when the file cannot be
// written. Nothing is left behind on failure.
bool exportDrawing(const ExportRequest& request, const DrawingScene& scene, std::string& error);

}  // namespace korain
