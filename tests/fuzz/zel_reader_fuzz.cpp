// Fuzz target of the database readers: any bytes must read without harm, and
// what was read must write and read back to the same text.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "io/block_list.h"
#include "io/zel_reader.h"

namespace {

std::string written(korain::Arrangement arrangement) {
  if (arrangement.ID.empty()) arrangement.ID = "{fuzz}";
  std::string out;
  korain::writeZelBlock(out, arrangement, 1, korain::fuzz::writeContext());
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  korain::listBlocks(bytes);

  korain::Arrangement first;
  if (!korain::readZelBlockFromBytes(bytes, "fuzz.ko2", 1, first).found()) return 0;
  const std::string text = written(first);
  korain::Arrangement second;
  korain::readZelBlockFromBytes(text, "fuzz.ko2", 1, second);
  korain::fuzz::check(written(second) == text);
  return 0;
}
