// What the fuzz targets share: a broken promise that stops the run, and the context of a written
// block.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>

#include "io/zel_writer.h"

namespace korain::fuzz {

// Stops the run, so that the fuzzer keeps the input that broke the promise.
inline void check(bool promise) {
  if (!promise) std::abort();
}

inline ZelWriteContext writeContext() {
  ZelWriteContext context;
  context.program = {1, 0, 1};
  return context;
}

}  // namespace korain::fuzz
