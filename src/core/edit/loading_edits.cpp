// Reading and setting a compartment's loading for the loading dialog.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/loading_edits.h"

namespace korain {

LoadingInput loadingOf(const Compartment& compartment) {
  LoadingInput input;
  input.N = compartment.N;
  for (int k = 1; k <= kLoadValueCount; ++k) {
    const Single value =
        k <= kStandardLoadValueCount ? compartment.Table2.at(k) : compartment.Table3.at(k);
    input.values.at(static_cast<std::size_t>(k - 1)) = value;
  }
  input.alternate = compartment.Flag6;
  return input;
}

void setLoading(Compartment& compartment, const LoadingInput& input, LoadingMode mode) {
  compartment.N = input.N;
  for (int k = 1; k <= kStandardLoadValueCount; ++k) {
    compartment.Table2.at(k) = input.values.at(static_cast<std::size_t>(k - 1));
  }
  if (mode != LoadingMode::Jbp) return;
  for (int k = 1; k <= kLoadValueCount; ++k) {
    compartment.Table3.at(k) = input.values.at(static_cast<std::size_t>(k - 1));
  }
  compartment.Flag6 = input.alternate;
}

}  // namespace korain
