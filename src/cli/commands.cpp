// The batch commands of korain-cli.
#include "commands.h"

#include <ostream>

#include "arrangement_json.h"
#include "computed_arrangement.h"
#include "io/block_copy.h"
#include "io/block_list.h"
#include "io/database_save.h"
#include "io/file_services.h"
#include "io/text_file.h"
#include "io/zel_reader.h"
#include "write_context.h"

namespace korain {
namespace {

void printMessages(const FileMessages& messages, std::ostream& err) {
  for (const FileMessage& message : messages) err << message.toString() << '\n';
}

// Reads arrangement n; false, with the messages printed, when it is not there.
bool readArrangement(const std::string& database, Integer n, Arrangement& arrangement,
                     std::ostream& err) {
  const ZelReadResult result = readZelBlock(database, n, arrangement);
  printMessages(result.messages, err);
  return result.found();
}

int saveInto(const std::string& database, Integer n, Arrangement& arrangement, std::ostream& err) {
  const SaveRequest request{.database = database,
                            .blockNumber = n,
                            .makeBackup = true,
                            .source = {},
                            .context = currentWriteContext()};
  const SaveResult result = saveArrangement(request, arrangement);
  printMessages(result.messages, err);
  return result.status == SaveStatus::Saved ? kExitOk : kExitFailed;
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
  ComputedArrangement computed;
  if (!readComputedArrangement(database, blockNumber, computed, streams.err)) return kExitFailed;
  streams.out << arrangementJson(computed.arrangement, ComputedFields::Included)
                     .dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
              << '\n';
  return kExitOk;
}

int resaveCommand(const std::string& database, Integer blockNumber, const CommandStreams& streams) {
  Arrangement arrangement;
  if (!readArrangement(database, blockNumber, arrangement, streams.err)) return kExitFailed;
  return saveInto(database, blockNumber, arrangement, streams.err);
}

int copyCommand(const std::string& database, Integer blockNumber, const std::string& target,
                const CommandStreams& streams) {
  Arrangement arrangement;
  if (!readArrangement(database, blockNumber, arrangement, streams.err)) return kExitFailed;
  std::string error;
  const std::optional<std::string> bytes = readFileBytes(target, error);
  if (!bytes) {
    streams.err << target << ": cannot be read: " << error << '\n';
    return kExitFailed;
  }
  const auto appended = static_cast<Integer>(countBlocks(*bytes) + 1);
  const int status = saveInto(target, appended, arrangement, streams.err);
  if (status == kExitOk) streams.out << target << ": block " << appended << '\n';
  return status;
}

}  // namespace korain
