// Saving the session's arrangement into its database as the user asks it, for
// the editor and the command line alike: the questions about a read-only or
// vanished database, another name to save under, the block of a new
// arrangement.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "io/zel_writer.h"
#include "prompt.h"
#include "session.h"

namespace korain {

// What Save As settled: a new block under a new name, or an arrangement's block
// to overwrite.
struct SaveAsChoice {
  bool replace = false;  // overwrite `block`; otherwise append a new block named `name`
  Integer block = 0;
  std::string name;  // trimmed
};

// What the user sees while the file is written: the editor shows the status
// text and the wait cursor.
class SaveProgress {
 public:
  virtual ~SaveProgress() = default;
  virtual void started(const std::string& status) = 0;
  virtual void finished() = 0;
};

class SaveWorkflow {
 public:
  // The comment lines of the saved block come from context; progress may be null.
  SaveWorkflow(Session& session, Prompt& prompt, ZelWriteContext context,
               SaveProgress* progress = nullptr);

  // Saves into the session's block, or, for an arrangement never saved, as a
  // new block after the last block of any kind (counting arrangements only
  // could name a hull section's block and overwrite it). A database that can
  // not be written asks for another name ("Save DB as..."), which becomes the
  // session's database; one that vanished may be written again from the copy
  // read at opening. True when the arrangement was saved; the session then
  // holds its database and block and counts it saved. The block saved into
  // must still be a bulkhead arrangement: another program may have put a hull
  // section in its place since it was read, and that is never overwritten.
  bool save();
  // The same into the block Save As chose, which must be an arrangement too; a
  // new block takes the name chosen and the arrangement a new ID.
  bool saveAs(const SaveAsChoice& choice);

 private:
  bool restoreVanishedDatabase();
  bool write(std::string path, Integer blockNumber);

  Session& session_;
  Prompt& prompt_;
  ZelWriteContext context_;
  SaveProgress* progress_;
};

}  // namespace korain
