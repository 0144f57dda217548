// Saving an arrangement into its database file: the file is rebuilt around the
// arrangement's block and replaced in one step, never left half written.
#pragma once

#include <string>
#include <string_view>

#include "io/file_message.h"
#include "io/zel_writer.h"
#include "model/arrangement.h"

namespace korain {

// The file operations of a save, one per step, so that tests can make any of
// them fail. Each returns false with the reason in error.
class SaveSteps {
 public:
  virtual ~SaveSteps() = default;
  virtual bool isReadOnly(const std::string& path);
  virtual bool readDatabase(const std::string& path, std::string& bytes, std::string& error);
  // Writes the whole file and makes sure it has reached the disk.
  virtual bool writeTemporary(const std::string& path, std::string_view bytes, std::string& error);
  virtual bool makeBackup(const std::string& path, std::string& error);
  // Puts the temporary file in the database's place in one atomic step.
  virtual bool replaceDatabase(const std::string& temporary, const std::string& database,
                               std::string& error);
  virtual void removeTemporary(const std::string& path);
};

struct SaveRequest {
  std::string database;
  Integer blockNumber = 0;
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
  FileMessages messages;
};

// Writes the arrangement as block n of the database: the preamble and blocks
// 1 to n - 1 copied, the new block, then blocks n + 1 on. A number beyond the
// file's last block appends the block. With makeBackup the previous file is kept
// under the extension ".bak". On any failure the database stays byte for byte
// as it was. An arrangement without an ID receives one.
SaveResult saveArrangement(const SaveRequest& request, Arrangement& arrangement, SaveSteps& steps);
SaveResult saveArrangement(const SaveRequest& request, Arrangement& arrangement);

// The database text with the arrangement as block n, built from the current
// text; empty, with the reason in error, when the result would lose a block.
std::string databaseWithBlock(std::string_view current, Arrangement& arrangement,
                              Integer blockNumber, const ZelWriteContext& context,
                              std::string& error);

}  // namespace korain
