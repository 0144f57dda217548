// The loading dialog's change of a compartment: its load type and load data,
// with the second set of hold data and the alternate loading of a JBP run.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "model/arrangement.h"

namespace korain {

// A JBP run ("/JBP") keeps the load data a second time, with the hold data
// of alternate loading; a standard run leaves that set as it is.
enum class LoadingMode { Standard, Jbp };

inline constexpr int kLoadValueCount = 10;
// Values 1 to 7 are the load data of every run; 8 to 10 the JBP run's hold data.
inline constexpr int kStandardLoadValueCount = 7;

struct LoadingInput {
  Long N = 0;  // load type, 0..6
  std::array<Single, kLoadValueCount> values{};
  bool alternate = false;

  bool operator==(const LoadingInput&) const = default;
};

// What the dialog shows: values 1 to 7 from Table2, 8 to 10 from Table3.
LoadingInput loadingOf(const Compartment& compartment);

// Stores the load type and values 1 to 7 into Table2; a JBP run also stores
// all ten values into Table3 and the alternate loading into Flag6.
void setLoading(Compartment& compartment, const LoadingInput& input, LoadingMode mode);

}  // namespace korain
