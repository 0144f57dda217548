// The batch commands of korain-cli.
#include "commands.h"

#include <ostream>

#include "arrangement_json.h"
#include "batch_prompt.h"
#include "computed_arrangement.h"
#include "io/block_list.h"
#include "io/database_rewrite.h"
#include "io/text_file.h"
#include "io/zel_reader.h"
#include "save_workflow.h"
#include "session.h"
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

// Saves the arrangement as block n of the database (kAppendedBlock: a new last
// block) through the editor's save workflow, its questions answered No.
int saveInto(const std::string& database, Integer n, Arrangement arrangement,
             const CommandStreams& streams) {
  Session session;
  session.DatabasePath = database;
  session.BlockNumber = n;
  session.arrangement() = std::move(arrangement);
  session.run.paths.MakeBackup = true;
  BatchPrompt prompt(streams.err);
  if (!SaveWorkflow(session, prompt, currentWriteContext()).save()) return kExitFailed;
  streams.out << database << ": block " << session.BlockNumber << '\n';
  return kExitOk;
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
  return saveInto(database, blockNumber, std::move(arrangement), streams);
}

int copyCommand(const std::string& database, Integer blockNumber, const std::string& target,
                const CommandStreams& streams) {
  Arrangement arrangement;
  if (!readArrangement(database, blockNumber, arrangement, streams.err)) return kExitFailed;
  return saveInto(target, kAppendedBlock, std::move(arrangement), streams);
}

}  // namespace korain
