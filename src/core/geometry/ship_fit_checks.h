// The arrangement against the ship it belongs to: main data beyond what a ship
// can have, and contour nodes outside the hull section the arrangement is
// drawn over. These depend on more than one bulkhead's data (the header, the
// section found for the arrangement's position), so they are checked over the
// whole arrangement after the bulkheads are computed, and listed after them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "geometry/plane.h"
#include "messages/message.h"
#include "messages/message_count.h"
#include "model/arrangement.h"
#include "section/section.h"

namespace korain {

// The hull section as far as the checks need it: its outline flattened, and
// its greatest breadth. Built once for a section, since it is checked against
// after every edit.
class HullExtent {
 public:
  explicit HullExtent(const Section& section);

  // The section's breadth, twice its greatest distance from the centre line.
  double breadth() const { return 2 * halfBreadth_; }
  // Whether the point lies within the hull: no farther from the centre line
  // than the outermost panel at its height (within the tolerance), a section
  // described on one side standing for both.
  bool holds(PlanePoint point, double tolerance) const;

 private:
  std::vector<std::vector<PlanePoint>> outlines_;
  double halfBreadth_ = 0;
};

// Warnings about the arrangement's main data and, when there is a hull
// section, about every node that lies outside it. A hopper's breadth is
// checked against the section's breadth, or without a section against the
// ship's (`shipBreadth`, 0 when not known).
std::vector<Message> checkShipFit(const Arrangement& arrangement, const HullExtent* hull,
                                  Single shipBreadth);

// The nodes of bulkhead `number` that lie outside the hull.
std::vector<Message> nodesOutsideHull(const Bulkhead& bulkhead, int number, const HullExtent& hull);

// The same checks as the editor keeps them between edits: a bulkhead's nodes
// are checked against the hull again only when the bulkhead changed or moved
// in the list, or the hull changed, so that an edit of one bulkhead of many
// costs the checks of that one.
class ShipFitChecks {
 public:
  // The hull the nodes are checked against from now on (none without a section).
  void useHull(const Section* section);
  // Checks the arrangement as it stands: `versionOf(i)` changes whenever
  // bulkhead i does.
  void check(const Arrangement& arrangement, Single shipBreadth,
             const std::function<std::uint64_t(int)>& versionOf);

  // What the latest check found, as `checkShipFit` gives it, kept in place:
  // there may be thousands.
  std::vector<Message> messages() const;
  MessageCount count() const;
  // Its last `n` messages at most, in order.
  std::vector<Message> latest(std::size_t n) const;

 private:
  struct Checked {
    std::uint64_t version = 0;
    std::vector<Message> messages;
  };
  // Calls `f` on each found list in order, the main data's first.
  template <typename F>
  void forEachList(F f) const;

  std::optional<HullExtent> hull_;
  std::vector<Message> mainData_;
  std::vector<std::optional<Checked>> bulkheads_;
};

}  // namespace korain
