// Writing and reading ZEL blocks in memory, for the block tests.
#pragma once

#include <string>

#include "io/zel_reader.h"
#include "io/zel_writer.h"

namespace korain::testing {

inline ZelWriteContext fixedContext() {
  return {.program = {1, 0, 1},
          .user = "tester",
          .site = "yard",
          .date = "05/12/2026",
          .time = "10:30:00",
          .identification = {}};
}

// The block as the writer makes it, for an arrangement taken by value so that
// the caller's copy keeps an empty ID empty.
inline std::string zelText(Arrangement arrangement, Integer blockNumber = 1) {
  std::string out;
  writeZelBlock(out, arrangement, blockNumber, fixedContext());
  return out;
}

inline Arrangement readBack(const std::string& bytes, Integer blockNumber = 1,
                            ZelReadResult* result = nullptr) {
  Arrangement arrangement;
  ZelReadResult read = readZelBlockFromBytes(bytes, "test.ko2", blockNumber, arrangement);
  if (result) *result = read;
  return arrangement;
}

}  // namespace korain::testing
