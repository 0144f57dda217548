// The reading of a block part by part, shared by the readers of every kind of block.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "io/block_framing.h"
#include "io/field_reader.h"
#include "io/line_cursor.h"
#include "text/text_utils.h"

namespace korain {

// The reading of one part ends on a banner (which becomes the current line), at
// the end of the file, or on an error that ends the reading of the block.
enum class PartEnd { Banner, EndOfFile, Error };

// A block reader is a loop that dispatches on banners to one small reader per
// part. The reader of a kind of block derives from this, names its parts in
// partOf(banner), and reads each part with the line and value access below.
template <typename Derived>
class BlockPartReader {
 protected:
  using PartReader = PartEnd (Derived::*)();

  BlockPartReader(LineCursor& cursor, std::string_view fileName, FileMessages& messages,
                  Integer blockNumber)
      : cursor_(cursor), fields_(fileName, messages), blockNumber_(blockNumber) {}

  // From the block's banner on, runs the reader of each banner met; other lines
  // are passed over.
  PartEnd dispatch() {
    std::string_view line;
    if (!cursor_.next(line)) return PartEnd::EndOfFile;
    line_ = line;
    for (;;) {
      const PartReader part =
          isBannerLine(line_) ? static_cast<Derived*>(this)->partOf(trimmed(line_)) : nullptr;
      if (part == nullptr) {
        if (!nextDataLine(cursor_, line)) return PartEnd::EndOfFile;
        line_ = line;
        continue;
      }
      const PartEnd end = (static_cast<Derived*>(this)->*part)();
      if (end != PartEnd::Banner) return end;
    }
  }

  // Moves to the next data line and takes its values; false (with the banner
  // kept as the current line) when it is a banner, or at the end of the file.
  bool nextLine(PartEnd& end) {
    std::string_view line;
    if (!nextDataLine(cursor_, line)) {
      end = PartEnd::EndOfFile;
      return false;
    }
    line_ = line;
    const std::string_view content = trimmed(line);
    if (isBanner(content)) {
      end = PartEnd::Banner;
      return false;
    }
    blank_ = content.empty();
    fields_.parse(line, cursor_.lineNumber(), cursor_.lineEnded());
    return true;
  }

  // Reads the data lines of a part up to the next banner, one call of readLine
  // per line; readLine returns false to end the block's reading. A blank line,
  // as a text editor may leave one, carries nothing and is passed over.
  template <typename ReadLine>
  PartEnd eachLine(ReadLine readLine) {
    PartEnd end = PartEnd::EndOfFile;
    while (nextLine(end)) {
      if (blank_) continue;
      if (!readLine()) return PartEnd::Error;
    }
    return end;
  }

  PartEnd skipToBanner() {
    return eachLine([] { return true; });
  }

  // A line that names its object before the first TAB, then gives its values:
  // the name, trimmed, with the values after it taken as the line's fields.
  std::string takeNameAndValues() {
    const std::size_t tab = line_.find('\t');
    if (tab == std::string_view::npos) {
      fields_.parse({}, cursor_.lineNumber());
    } else {
      fields_.parse(line_.substr(tab + 1), cursor_.lineNumber(), cursor_.lineEnded());
    }
    return std::string(trimmed(line_.substr(0, tab)));
  }

  template <typename Field>
  void take(int i, Field& field) {
    fields_.take(i, field);
  }

  // A message about the current line.
  void fail(std::string text) { fields_.report(std::move(text)); }

  // The banner of the block itself, or of the next one, which ends this block.
  PartEnd readBlockNumber() {
    PartEnd end = PartEnd::EndOfFile;
    if (!nextLine(end)) return end;
    if (fields_.value(1) != static_cast<double>(blockNumber_)) {
      endedAtNextBlock_ = true;
      return PartEnd::EndOfFile;
    }
    return skipToBanner();
  }

  // A part whose first line holds one value (the version, the compartment line count).
  template <typename Field>
  PartEnd readOneValue(Field& field) {
    PartEnd end = PartEnd::EndOfFile;
    if (!nextLine(end)) return end;
    take(1, field);
    return skipToBanner();
  }

  LineCursor& cursor_;
  std::string_view line_;  // the current line
  bool blank_ = false;     // it holds nothing but blanks
  // The block ended where the next one begins, not with the file.
  bool endedAtNextBlock_ = false;
  FieldReader fields_;
  Integer blockNumber_;
};

}  // namespace korain
