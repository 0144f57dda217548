// Saving an arrangement into its database file: the file is rebuilt around the
// arrangement's block and replaced in one step, never left half written, with
// its permissions, group and symbolic link kept.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "io/database_rewrite.h"
#include "io/file_message.h"
#include "io/file_system.h"
#include "io/zel_writer.h"
#include "model/arrangement.h"

namespace korain {

struct SaveRequest {
  std::string database;
  Integer blockNumber = kAppendedBlock;
  bool makeBackup = false;
  // Where the rest of the database comes from when it is not the file written
  // (saving under another name); empty for the database itself.
  std::string source;
  ZelWriteContext context;
};

enum class SaveStatus {
  Saved,
  NothingToDo,  // no file name was given
  ReadOnly,     // the database may not be written: ask for another name
  Failed,       // nothing was changed on disk; the messages say why
};

struct SaveResult {
  SaveStatus status = SaveStatus::Saved;
  FileMessages messages;    // why it failed; for a save done, what the user must know of it
  Integer blockNumber = 0;  // the number the block was saved as
};

// Writes the arrangement as block n of the database (after its last block
// with kAppendedBlock); the rules are those of rewriteDatabase. A database given
// through a symbolic link is saved into the file the link points to. The new
// file is written beside it with its permissions and group, put on the disk,
// and moved into its place; with makeBackup the previous file is kept under
// the extension ".bak" first. On any failure the database stays byte for byte
// as it was. An arrangement without an ID receives one.
SaveResult saveArrangement(const SaveRequest& request, Arrangement& arrangement, FileSystem& files);
SaveResult saveArrangement(const SaveRequest& request, Arrangement& arrangement);

}  // namespace korain
