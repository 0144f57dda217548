// Fuzz target of the JSON reader of korain-cli load: any bytes must read
// without harm, and an arrangement it accepts must be one the file keeps: its
// block, read back and written again, gives the same text.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "arrangement_json_reader.h"
#include "fuzz_support.h"
#include "io/zel_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  korain::ArrangementJsonResult read = korain::readArrangementJson(text);
  if (!read.arrangement) {
    korain::fuzz::check(!read.problems.empty());
    return 0;
  }
  const korain::ZelWriteContext context = korain::fuzz::writeContext();
  std::string first;
  korain::writeZelBlock(first, *read.arrangement, 1, context);
  korain::Arrangement back;
  korain::fuzz::check(korain::readZelBlockFromBytes(first, "fuzz.ko2", 1, back).status ==
                      korain::ZelReadStatus::Read);
  std::string second;
  korain::writeZelBlock(second, back, 1, context);
  korain::fuzz::check(first == second &&
                      back.Bulkheads.count() == read.arrangement->Bulkheads.count());
  return 0;
}
