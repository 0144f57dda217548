// File > Import Contour from DXF...: a contour drawn in CAD made the nodes of a bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf_contour_import.h"
#include "edit/contour_edits.h"
#include "main/fm_main.h"
#include "output_folder.h"
#include "ship/ship_queries.h"
#include "widgets/wait_cursor.h"

namespace korain {
namespace {

constexpr char kImportLabel[] = "Import Contour from DXF";

// The bulkhead the contour goes into: the current one when it has no nodes
// yet, or when the user agrees to replace them (Yes); a new bulkhead after the
// last (0) when there is none, or when the user answers No; nothing on Cancel.
std::optional<int> targetBulkhead(const Arrangement& arrangement, const DxfContour& contour,
                                  const std::string& path, Prompt& prompt) {
  const int k = arrangement.CurBulkhead;
  if (!arrangement.Bulkheads.inBounds(k)) return 0;
  const Bulkhead& current = arrangement.Bulkheads.at(k);
  if (!current.Nodes.isDimensioned()) return k;
  const std::string question = "Replace the " + std::to_string(current.Nodes.count()) +
                               " nodes of bulkhead " + std::to_string(k) + " \"" + current.Name +
                               "\" with the contour of " + path + " (" + contourSummary(contour) +
                               ")?\n\nNo adds the contour as a new bulkhead.";
  switch (prompt.ask(question, Choices::YesNoCancel)) {
    case Answer::Yes:
      return k;
    case Answer::No:
      return 0;
    case Answer::Cancel:
      break;
  }
  return std::nullopt;
}

}  // namespace

bool FM_Main::importContour() {
  const std::optional<std::string> path = prompt().askFileName(
      {kImportLabel, "DXF drawing (*.dxf)|*.dxf", "dxf",
       outputFolder(session().run().paths.ExportPath, session().database().DatabasePath), false});
  if (!path) return false;
  const DxfContour contour = [&] {
    const WaitCursor hourglass;
    return importDxfContour(*path, {});
  }();
  if (!contour.nodes.isDimensioned()) {
    prompt().showMessage("The contour cannot be imported from " + contour.refusal + ".");
    return false;
  }
  const Arrangement& arrangement = session().arrangement();
  const std::optional<int> k = targetBulkhead(arrangement, contour, *path, prompt());
  if (!k) return false;
  const Integer material = defaultPlatingMaterial(session().ship());
  session().change({.label = kImportLabel,
                    .scope = *k == 0 ? EditScope::resizedAt(arrangement.Bulkheads.count() + 1)
                                     : EditScope::bulkhead(*k),
                    .edit = [nodes = contour.nodes, k = *k,
                             material](Arrangement& a) { replaceContour(a, k, nodes, material); },
                    .follow = kRefreshAll});
  return true;
}

}  // namespace korain
