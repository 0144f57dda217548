// A database file copied with one arrangement block written into it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/database_rewrite.h"

#include <limits>
#include <optional>

#include "io/block_framing.h"
#include "io/database_texts.h"
#include "io/line_reader.h"
#include "text/text_utils.h"

namespace korain {
namespace {

// Writes small pieces together and large runs straight through; keeps the first
// error and the last byte written.
class OutputBuffer {
 public:
  explicit OutputBuffer(OutputFile& file) : file_(file) {}

  void append(std::string_view bytes) {
    if (bytes.empty() || failed()) return;
    last_ = bytes.back();
    wrote_ = true;
    if (pending_.size() + bytes.size() <= kPendingBytes) {
      pending_.append(bytes);
      return;
    }
    flush();
    if (bytes.size() <= kPendingBytes) {
      pending_.append(bytes);
    } else if (!failed()) {
      file_.write(bytes, error_);
    }
  }

  void flush() {
    if (!pending_.empty() && !failed()) file_.write(pending_, error_);
    pending_.clear();
  }

  bool failed() const { return !error_.empty(); }
  const std::string& error() const { return error_; }
  bool endsLine() const { return last_ == '\n'; }
  bool empty() const { return !wrote_; }

 private:
  static constexpr std::size_t kPendingBytes = std::size_t{1} << 16;
  OutputFile& file_;
  std::string pending_;
  std::string error_;
  char last_ = '\0';
  bool wrote_ = false;
};

class Rewrite {
 public:
  Rewrite(InputFile* source, OutputFile& out, Arrangement& arrangement,
          const RewriteRequest& request)
      : out_(out),
        in_(source, [this](std::string_view run) { out_.append(run); }),
        arrangement_(arrangement),
        request_(request),
        texts_(DatabaseTexts::get()) {}

  RewriteResult run() {
    in_.copyFromHere();
    std::string_view raw;
    while (in_.next(raw)) {
      if (!isLine(withoutLineEnd(raw), texts_.blockBanner)) continue;
      in_.endCopy();
      if (!block(raw)) break;
    }
    in_.finishCopy();
    if (in_.failed()) return fail("cannot be read: " + in_.error());
    if (!result_.error.empty()) return result_;
    if (result_.blockNumber == 0) appendBlock();
    out_.flush();
    if (out_.failed()) return fail("the new file could not be written: " + out_.error(), 0);
    return result_;
  }

 private:
  // The block whose banner was just read: copied, or replaced by the arrangement.
  bool block(std::string_view banner) {
    const int bannerLine = in_.lineNumber();
    const std::string bannerBytes(banner);
    std::string_view raw;
    const bool numbered = nextDataLine(raw);
    if (in_.failed()) return false;
    ++blocks_;
    if (!numbered || blockNumberOf(withoutLineEnd(raw)) != static_cast<double>(blocks_)) {
      fail("the block that begins here is not numbered " + std::to_string(blocks_) +
               "; the blocks of the file must be numbered 1, 2, 3 ... in order, so that "
               "saving cannot replace the wrong one. Nothing was saved.",
           bannerLine);
      return false;
    }
    if (blocks_ == request_.blockNumber) return replaceBlock(bannerLine);
    out_.append(bannerBytes);
    out_.append(texts_.commentMarker);
    out_.append("\r\n");
    out_.append(raw);
    in_.copyFromHere();
    return true;
  }

  // Block n gives way to the arrangement when it is an arrangement itself.
  bool replaceBlock(int bannerLine) {
    std::string_view raw;
    const BlockKind kind =
        nextDataLine(raw) ? blockKindOf(withoutLineEnd(raw)) : BlockKind::Section;
    if (in_.failed()) return false;
    if (kind != BlockKind::Zel) {
      fail("block " + std::to_string(blocks_) + " is " + std::string(blockKindPhrase(kind)) +
               ", not a bulkhead arrangement: it is not overwritten",
           bannerLine);
      return false;
    }
    while (in_.next(raw)) {
      if (isLine(withoutLineEnd(raw), texts_.blockBanner)) {
        in_.unread();
        break;
      }
    }
    if (in_.failed()) return false;
    writeBlock(blocks_);
    in_.copyFromHere();
    return true;
  }

  // The next line that is not a comment; false at the end of the file.
  bool nextDataLine(std::string_view& raw) {
    while (in_.next(raw)) {
      if (!isCommentLine(raw)) return true;
    }
    return false;
  }

  void appendBlock() {
    const int wanted = request_.blockNumber == kAppendedBlock ? blocks_ + 1 : request_.blockNumber;
    if (wanted > std::numeric_limits<Integer>::max()) {
      fail("the file holds the most blocks a database can number. Nothing was saved.", 0);
      return;
    }
    if (wanted != blocks_ + 1) {
      fail("the file has " + std::to_string(blocks_) + " blocks: block " + std::to_string(wanted) +
               " would leave a gap. Nothing was saved.",
           0);
      return;
    }
    // A file whose last line has no line end must not glue the new banner onto it.
    if (!out_.empty() && !out_.endsLine()) out_.append("\r\n");
    writeBlock(wanted);
  }

  void writeBlock(int number) {
    std::string block;
    result_.unmappableCharacters =
        writeZelBlock(block, arrangement_, static_cast<Integer>(number), request_.context)
            .unmappableCharacters;
    out_.append(block);
    result_.blockNumber = static_cast<Integer>(number);
  }

  RewriteResult& fail(std::string text, int line) {
    if (result_.error.empty()) {
      result_.error = std::move(text);
      result_.line = line;
    }
    result_.blockNumber = 0;
    return result_;
  }
  RewriteResult fail(std::string text) { return fail(std::move(text), in_.lineNumber()); }

  OutputBuffer out_;
  LineReader in_;
  Arrangement& arrangement_;
  const RewriteRequest& request_;
  const DatabaseTexts& texts_;
  int blocks_ = 0;
  RewriteResult result_;
};

}  // namespace

RewriteResult rewriteDatabase(InputFile* source, OutputFile& out, Arrangement& arrangement,
                              const RewriteRequest& request) {
  return Rewrite(source, out, arrangement, request).run();
}

}  // namespace korain
