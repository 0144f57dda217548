// Pasted rows made into nodes, stiffener positions and filling levels, and put
// in place of the rows they replace.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/paste_edits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "edit/form_edit.h"
#include "edit/resonance_edits.h"
#include "edit/stiffener_edits.h"
#include "geometry/contour_arc.h"
#include "geometry/stiffener_geometry.h"
#include "model/compartment_tables.h"
#include "model/record_fields.h"
#include "text/line_values.h"
#include "view/node_table.h"

namespace korain {
namespace {

// The shortest text that gives the value back: a Single as the user typed it.
template <typename Number>
std::string numberText(Number value) {
  std::array<char, 32> digits{};
  const std::to_chars_result written =
      std::to_chars(digits.data(), digits.data() + digits.size(), value);
  return {digits.data(), written.ptr};
}

PasteRefusal refused(const PastedRow& row, const std::string& what, double value) {
  return {.line = row.line, .reason = what + " cannot be " + numberText(value)};
}

// The target's rows removed, the new ones in their place.
template <typename T>
void replaceRows(List<T>& list, const PasteTarget& target, const std::vector<T>& items) {
  for (int k = 0; k < target.count; ++k) list.remove(target.first);
  int at = std::clamp(target.first, 1, list.count() + 1);
  for (const T& item : items) {
    list.insertBlank(at);
    list.at(at++) = item;
  }
}

// The node a row replaces, for what the table does not show of it; a new
// node otherwise.
Node startOfPastedNode(const Bulkhead& bulkhead, const PasteTarget& target, int offset) {
  const int replaced = target.first + offset;
  if (offset < target.count && bulkhead.Nodes.inBounds(replaced)) {
    return bulkhead.Nodes.at(replaced);
  }
  return {};
}

}  // namespace

std::variant<std::vector<Node>, PasteRefusal> pastedNodes(const Bulkhead& bulkhead,
                                                          const PasteTarget& target,
                                                          const std::vector<PastedRow>& rows) {
  std::vector<Node> nodes;
  for (const PastedRow& row : rows) {
    const int offset = static_cast<int>(nodes.size());
    const bool first = target.first + offset == 1;
    Node node = startOfPastedNode(bulkhead, target, offset);
    node.ShCur = kCurveStraight;
    node.ShR = node.ShYT = node.ShZT = 0;
    for (std::size_t column = 0; column < row.values.size(); ++column) {
      const FormRow<Node>& field = nodeColumnRow(column);
      const double value = row.values[column];
      // The first node's code is its start code, whatever a row gives it.
      const bool startCode = first && column == kCurveColumn && value == kFirstNodeCode;
      if (!startCode && !takesValue(field, node, value)) {
        return refused(row, std::string(kNodeColumns.at(column).heading), value);
      }
      storeValue(field, node, value);
    }
    if (first) node.ShCur = kFirstNodeCode;
    nodes.push_back(node);
  }
  return nodes;
}

void pasteNodes(Bulkhead& bulkhead, const PasteTarget& target, const std::vector<Node>& nodes) {
  replaceRows(bulkhead.Nodes, target, nodes);
  for (int k = 1; k <= bulkhead.Nodes.count(); ++k) {
    Long& code = bulkhead.Nodes.at(k).ShCur;
    if (k == 1) {
      code = kFirstNodeCode;
    } else if (code == kFirstNodeCode) {
      code = kCurveStraight;  // a former first node, now reached from the one before
    }
  }
  bulkhead.CurNode = static_cast<Integer>(std::clamp(target.first, 1, bulkhead.Nodes.count()));
}

std::variant<std::vector<Single>, PasteRefusal> pastedPositions(
    const Bulkhead& bulkhead, const std::vector<PastedRow>& rows) {
  std::vector<Single> positions;
  // Where the stiffeners not moved stay: those not selected, and the selected ones beyond the
  // positions. Each pasted one must keep clear of them and of those pasted before it.
  std::vector<Single> standing;
  std::size_t moved = 0;
  for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    if (stiffener.Selected && moved < rows.size()) {
      ++moved;
    } else {
      standing.push_back(stiffener.Position);
    }
  }
  for (const PastedRow& row : rows) {
    const std::optional<Single> position = toSingle(row.values.front());
    if (!position) return refused(row, "A position", row.values.front());
    const auto near = [&](Single other) { return std::abs(other - *position) < kTakenPosition; };
    if (std::any_of(standing.begin(), standing.end(), near)) {
      return PasteRefusal{.line = row.line,
                          .reason = "a stiffener stands at " + numberText(*position) + " already"};
    }
    standing.push_back(*position);
    positions.push_back(*position);
  }
  return positions;
}

void pastePositions(Bulkhead& bulkhead, const std::vector<Single>& positions, Integer material) {
  auto next = positions.begin();
  for (OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
    const bool moved = stiffener.Selected && next != positions.end();
    if (moved) stiffener.Position = *next++;
    stiffener.Selected = moved;
  }
  for (; next != positions.end(); ++next) appendNewStiffener(bulkhead, *next, material);
  sortStiffeners(bulkhead);
}

std::variant<std::vector<FillingPoint>, PasteRefusal> pastedLevels(
    const Compartment& compartment, const PasteTarget& target, const std::vector<PastedRow>& rows,
    LevelUnit unit, Single length, Single breadth) {
  const int count = compartment.Points.count() - target.count + static_cast<int>(rows.size());
  if (count > kMaxFillingLevels) {
    return PasteRefusal{.line = 0,
                        .reason = "A compartment keeps at most " +
                                  std::to_string(kMaxFillingLevels) + " filling levels"};
  }
  std::vector<FillingPoint> levels;
  for (const PastedRow& row : rows) {
    std::array<Single, 3> values{0, length, breadth};
    for (std::size_t k = 0; k < row.values.size(); ++k) {
      double value = row.values[k];
      if (k == 0 && unit == LevelUnit::ShareOfHeight) {
        const std::optional<double> level = levelOfShare(compartment, value);
        if (!level) return PasteRefusal{.line = row.line, .reason = "the tank has no height"};
        value = *level;
      }
      const std::optional<Single> kept = toSingle(value);
      if (!kept) return refused(row, k == 0 ? "A level" : "A free surface", row.values[k]);
      values.at(k) = *kept;
    }
    levels.push_back({values[0], values[1], values[2]});
  }
  return levels;
}

void pasteLevels(Compartment& compartment, const PasteTarget& target,
                 const std::vector<FillingPoint>& levels) {
  replaceRows(compartment.Points, target, levels);
}

}  // namespace korain
