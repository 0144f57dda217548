// The batch commands of korain-cli.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include <iostream>
#include <iterator>
#include <ostream>
#include <vector>

#include "arrangement_json.h"
#include "arrangement_json_reader.h"
#include "batch_prompt.h"
#include "computed_arrangement.h"
#include "database_check.h"
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
  if (refusedBlock(database, n, BlockKind::Zel, err)) return false;
  const ZelReadResult result = readZelBlock(database, n, arrangement);
  printMessages(result.messages, err);
  return result.found();
}

}  // namespace

bool readWholeArrangement(const std::string& database, Integer n, Arrangement& arrangement,
                          std::ostream& err) {
  if (refusedBlock(database, n, BlockKind::Zel, err)) return false;
  const ZelReadResult result = readZelBlock(database, n, arrangement);
  printMessages(result.messages, err);
  if (result.status == ZelReadStatus::Stopped) {
    err << database << ": block " << n << " cannot be read whole; nothing is changed\n";
  }
  return result.status == ZelReadStatus::Read;
}

int saveInto(const std::string& database, Integer n, Arrangement arrangement,
             const CommandStreams& streams) {
  if (refusedAsNoDatabase(database, streams.err)) return kExitFailed;
  Session session;
  session.placeArrangement(database, n);
  session.startArrangement(std::move(arrangement), Origin::Carried);
  PathConfig paths;
  paths.MakeBackup = true;
  session.setPaths(paths);
  BatchPrompt prompt(streams.err);
  // Only an arrangement is ever replaced: a hull section is not to be lost to a
  // mistyped block number.
  if (!SaveWorkflow(session, prompt, currentWriteContext()).save()) {
    return kExitFailed;
  }
  streams.out << database << ": block " << session.database().BlockNumber << '\n';
  return kExitOk;
}

namespace {

// The bytes of the file, or of standard input for "-".
std::optional<std::string> readInput(const std::string& path, std::string& error) {
  if (path != "-") return readFileBytes(path, error);
  std::string bytes{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
  if (std::cin.bad()) {
    error = "standard input cannot be read";
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

int listCommand(const std::string& database, const CommandStreams& streams) {
  std::string error;
  // Through a buffer of fixed size: only the list is held, whatever the file's size.
  const std::optional<std::vector<BlockListEntry>> blocks = listBlocksOfFile(database, error);
  if (!blocks) {
    streams.err << database << ": cannot be read: " << error << '\n';
    return kExitFailed;
  }
  if (refusedAsNoDatabase(database, *blocks, streams.err)) return kExitFailed;
  for (const BlockListEntry& block : *blocks) {
    streams.out << block.Position << '\t' << blockKindName(block.Kind) << '\t' << block.Name
                << '\n';
  }
  return kExitOk;
}

int dumpCommand(const std::string& database, Integer blockNumber, DumpMode mode,
                const CommandStreams& streams) {
  const auto print = [&](const Arrangement& arrangement, ComputedFields computed) {
    streams.out << arrangementJson(arrangement, computed)
                       .dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
                << '\n';
  };
  if (mode == DumpMode::AsRead) {
    if (refusedBlock(database, blockNumber, BlockKind::Zel, streams.err)) return kExitFailed;
    Arrangement arrangement;
    const ZelReadResult read = readZelBlock(database, blockNumber, arrangement);
    printMessages(read.messages, streams.err);
    if (!read.found()) return kExitFailed;
    print(arrangement, ComputedFields::Omitted);
    return read.status == ZelReadStatus::Read ? kExitOk : kExitFailed;
  }
  ComputedArrangement computed;
  if (!readComputedArrangement(database, blockNumber, computed, streams.err)) return kExitFailed;
  print(computed.arrangement, ComputedFields::Included);
  return computed.status == ZelReadStatus::Read ? kExitOk : kExitFailed;
}

int loadCommand(const std::string& database, Integer blockNumber, const std::string& jsonFile,
                const CommandStreams& streams) {
  std::string error;
  const std::optional<std::string> text = readInput(jsonFile, error);
  const std::string source = jsonFile == "-" ? "standard input" : jsonFile;
  if (!text) {
    streams.err << source << ": cannot be read: " << error << '\n';
    return kExitFailed;
  }
  ArrangementJsonResult read = readArrangementJson(*text);
  for (const JsonProblem& problem : read.problems) {
    streams.err << source << ": " << (problem.path.empty() ? "" : problem.path + ": ")
                << problem.text << '\n';
  }
  if (!read.arrangement) return kExitFailed;
  return saveInto(database, blockNumber, std::move(*read.arrangement), streams);
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
