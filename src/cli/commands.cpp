// The batch commands of korain-cli.
#include "commands.h"

#include <ostream>

#include "arrangement_json.h"
#include "io/block_list.h"
#include "io/text_file.h"
#include "io/zel_reader.h"

namespace korain {
namespace {

void printMessages(const FileMessages& messages, std::ostream& err) {
  for (const FileMessage& message : messages) err << message.toString() << '\n';
}

}  // namespace

int listCommand(const std::string& database, const CommandStreams& streams) {
  std::string error;
  const std::optional<std::string> bytes = readFileBytes(database, error);
  if (!bytes) {
    streams.err << database << ": cannot be read: " << error << '\n';
    return kExitFailed;
  }
  for (const BlockListEntry& block : listBlocks(*bytes)) {
    streams.out << block.Position << '\t' << blockKindName(block.Kind) << '\t' << block.Name
                << '\n';
  }
  return kExitOk;
}

int dumpCommand(const std::string& database, Integer blockNumber, const CommandStreams& streams) {
  Arrangement arrangement;
  const ZelReadResult result = readZelBlock(database, blockNumber, arrangement);
  printMessages(result.messages, streams.err);
  if (!result.found()) return kExitFailed;
  streams.out
      << arrangementJson(arrangement).dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
      << '\n';
  return kExitOk;
}

}  // namespace korain
