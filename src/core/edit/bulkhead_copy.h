// Bulkheads of one arrangement, of this database or of another, appended to an
// arrangement with everything they hold.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "edit/edit_outcome.h"
#include "model/arrangement.h"
#include "ship/ship_data.h"

namespace korain {

// A material number a copied bulkhead uses that names another material in
// this ship than in the ship it comes from (or none). The number is kept, as
// the engineer entered it; the message list says what it now means.
struct MaterialMismatch {
  Integer number = 0;
  std::string there;  // its material in the source's ship
  std::string here;   // its material in this ship

  bool operator==(const MaterialMismatch&) const = default;
};

struct CopiedBulkhead {
  Bulkhead bulkhead;  // as stored in the source, nothing of it selected
  int sourceNumber = 0;
  std::vector<MaterialMismatch> mismatches{};
};

// The bulkheads picked for a copy, taken out of their arrangement so that the
// copy can be appended to any arrangement, the source itself included.
struct BulkheadCopy {
  // How messages name the source arrangement, "block 1 of other.ko2".
  std::string sourceName;
  Long sourceSymFlag = 0;
  std::vector<CopiedBulkhead> bulkheads{};
};

// The two ships of a copy between databases: the one the source's material
// numbers index, and the one of the arrangement copied into.
struct CopyShips {
  const ShipData& there;
  const ShipData& here;
};

// Why bulkheads numbered `chosen` of `from` cannot be appended to an
// arrangement holding `bulkheadsHere` bulkheads: none chosen, a number that is
// not one of its bulkheads, a number given twice, more bulkheads than an
// arrangement can number. None when they can.
std::optional<std::string> refusedBulkheadChoice(const Arrangement& from,
                                                 const std::vector<int>& chosen, int bulkheadsHere);

// The bulkheads numbered `chosen` of `from`, in that order (a choice that
// refusedBulkheadChoice accepts). With ships, between databases, each carries
// the material numbers whose meaning differs between them.
BulkheadCopy pickBulkheads(const Arrangement& from, const std::vector<int>& chosen,
                           std::string sourceName, const std::optional<CopyShips>& ships);

// Appends the picked bulkheads after the last one and makes the first of them
// current. The outcome warns of each copy whose material numbers mean another
// material here, and of a source whose symmetry differs from this arrangement's.
EditOutcome appendBulkheads(Arrangement& into, const BulkheadCopy& copy);

}  // namespace korain
