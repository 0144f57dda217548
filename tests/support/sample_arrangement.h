// Builds arrangements of any size with varied values, for tests and benchmarks.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/arrangement.h"

namespace korain::testing {

struct SampleSize {
  int bulkheads = 2;
  int nodes = 6;
  int primaryMembers = 2;
  int stiffeners = 3;
  int spans = 3;
  int bands = 2;
  int strakesPerBand = 2;
  int fillingLevels = 3;
};

// Every stored field gets a value that the file keeps exactly (coordinates with
// at most four decimals, other Singles with few digits), so that writing, reading
// and writing again gives the same bytes. Flags and optional parts vary with the
// element's position, so both states of each appear.
Arrangement sampleArrangement(const SampleSize& size);

}  // namespace korain::testing
