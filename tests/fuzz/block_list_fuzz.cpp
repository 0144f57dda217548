// Fuzz target of the block structure of a database: listing and counting any
// bytes must do no harm, and a block saved into them must be found again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "io/block_copy.h"
#include "io/block_list.h"
#include "io/database_save.h"
#include "io/zel_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  korain::listBlocks(bytes);
  const int blocks = korain::countBlocks(bytes);
  if (blocks >= 32767) return 0;

  korain::Arrangement arrangement;
  arrangement.Name = "Fuzz";
  arrangement.ID = "{fuzz}";
  std::string error;
  const auto number = static_cast<korain::Integer>(blocks + 1);
  const std::string saved = korain::databaseWithBlock(
      bytes, arrangement, number,
      {.program = {1, 0, 1}, .user = {}, .site = {}, .date = {}, .time = {}, .identification = {}},
      error);
  if (saved.empty()) return 0;
  korain::Arrangement read;
  if (!korain::readZelBlockFromBytes(saved, "fuzz.ko2", number, read).found()) std::abort();
  return 0;
}
