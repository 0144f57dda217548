// One block of a database file taken out of it as the file is read.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/block_extract.h"

#include "io/block_framing.h"
#include "io/database_texts.h"
#include "io/line_reader.h"
#include "text/text_utils.h"

namespace korain {
namespace {

class Extract {
 public:
  Extract(InputFile& file, Long n, std::string_view keyword)
      : in_(&file, {}), n_(n), keyword_(keyword), banner_(DatabaseTexts::get().blockBanner) {}

  std::optional<ExtractedBlock> run(std::string& error) {
    std::string_view raw;
    while (in_.next(raw)) {
      if (!isBanner(raw)) continue;
      const int linesBefore = in_.lineNumber() - 1;
      block_.assign(raw);
      if (!isWanted()) continue;
      collectRest();
      if (in_.failed()) break;
      return ExtractedBlock{std::move(block_), linesBefore};
    }
    error = in_.error();
    return std::nullopt;
  }

 private:
  bool isBanner(std::string_view raw) const { return isLine(withoutLineEnd(raw), banner_); }

  // The next data line, the comments before it kept with the block.
  bool nextDataLine(std::string_view& raw) {
    while (in_.next(raw)) {
      block_.append(raw);
      if (!isCommentLine(raw)) return true;
    }
    return false;
  }

  // After the banner: the number n, then the keyword. A banner met instead is
  // given back, as it may open the block looked for.
  bool isWanted() {
    std::string_view raw;
    if (!nextDataLine(raw)) return false;
    if (blockNumberOf(withoutLineEnd(raw)) == static_cast<double>(n_)) {
      if (keyword_.empty()) return true;
      if (!nextDataLine(raw)) return false;
      if (trimmed(withoutLineEnd(raw)) == keyword_) return true;
    }
    if (isBanner(raw)) in_.unread();
    return false;
  }

  // Every line up to a block banner whose number line names another block,
  // which ends the block for its reader; that line is kept, so that the reader
  // sees where it stops.
  void collectRest() {
    std::string_view raw;
    while (in_.next(raw)) {
      block_.append(raw);
      if (!isBanner(raw)) continue;
      if (!nextDataLine(raw)) return;
      if (!isBannerLine(withoutLineEnd(raw)) &&
          blockNumberOf(withoutLineEnd(raw)) != static_cast<double>(n_)) {
        return;
      }
    }
  }

  LineReader in_;
  Long n_;
  std::string_view keyword_;
  const std::string& banner_;
  std::string block_;
};

}  // namespace

std::optional<ExtractedBlock> extractBlock(InputFile& file, Long n, std::string_view keyword,
                                           std::string& error) {
  return Extract(file, n, keyword).run(error);
}

}  // namespace korain
