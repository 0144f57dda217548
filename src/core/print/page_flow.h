// Pages of a report: the surface prepared from the page set-up, page breaks
// with the header and footer of printed pages, and the end of the document.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/page_setup.h"
#include "print/print_surface.h"

namespace korain {

// The line count that asks for the preview's last page to be handed over.
inline constexpr int kLastPageLines = 9129;

// Text stops this far above the bottom of a preview page.
inline constexpr double kPreviewBottomMargin = 0.3;

// A printed document takes the report font and the left margin and starts
// counting its pages; a preview draws from its corner in Arial 8.
void prepareSurface(PrintSurface& surface, PageSetup& setup);

// A preview the user has closed, or a printing the user has stopped: the
// report's sections print nothing.
bool isOutputHidden(const PrintSurface& surface);

// Starts a new page when `lines` more lines do not fit above the bottom
// margin; true when it did. A printed page gets its footer (unless noFooter)
// and the next one its header; a preview page is handed to the preview, or
// ends the document for kLastPageLines.
bool ensureSpace(PrintSurface& surface, PageSetup& setup, int lines = 0, bool noFooter = false);

// The login name at the left and "Page n" at the right, standing on the foot
// margin; the page counter grows by one.
void printPageFooter(PrintSurface& surface, PageSetup& setup);

// The header lines from the top of the page, slightly smaller and in italics,
// and a rule under them; nothing when there are none.
void printPageHeader(PrintSurface& surface, const PageSetup& setup);

// Ends the document: the printed last page gets its footer, the preview's
// last page is handed over.
void finishDocument(PrintSurface& surface, PageSetup& setup);

}  // namespace korain
