// Copying a database file's preamble and blocks, as a save rebuilds the file around one block.
#include "io/block_copy.h"

#include "io/block_framing.h"
#include "io/database_texts.h"
#include "text/line_values.h"
#include "text/number_format.h"

namespace korain {

int countBlocks(std::string_view bytes) {
  const std::string& banner = DatabaseTexts::get().blockBanner;
  LineCursor cursor(bytes);
  std::string_view line;
  int count = 0;
  while (nextDataLine(cursor, line)) {
    if (isLine(line, banner)) ++count;
  }
  return count;
}

void copyPreamble(LineCursor& in, std::string& out) {
  const std::string& banner = DatabaseTexts::get().blockBanner;
  const LinePosition start = in.position();
  std::string_view line;
  for (LinePosition before = start; in.next(line); before = in.position()) {
    if (isLine(line, banner)) {
      in.seek(before);
      break;
    }
  }
  out.append(in.bytesSince(start));
}

namespace {

// The number line of a banner, renumbered by offset when offset is not 0.
void copyNumberLine(std::string_view raw, std::string_view line, Long offset, std::string& out) {
  const std::optional<double> number = blockNumberOf(line);
  const std::optional<Long> whole = number ? toLong(*number) : std::nullopt;
  if (offset == 0 || !whole) {
    out.append(raw);
    return;
  }
  appendFreeNumber(out, static_cast<Long>(*whole + offset));
  out.append("\r\n");
}

}  // namespace

void copyBlocks(LineCursor& in, std::string& out, Long first, Long last, Long offset) {
  const DatabaseTexts& texts = DatabaseTexts::get();
  if (!findBlock(in, first, "")) return;
  // Lines that are copied unchanged go out in runs, one append per block.
  LinePosition run = in.position();
  std::string_view line;
  for (LinePosition before = run; in.next(line); before = in.position()) {
    if (!isLine(line, texts.blockBanner)) continue;
    const LinePosition bannerEnd = in.position();
    in.seek(before);
    out.append(in.bytesSince(run));
    in.seek(bannerEnd);
    const std::string_view banner = in.bytesSince(before);
    LinePosition numberStart = in.position();
    while (in.next(line) && isCommentLine(line)) numberStart = in.position();
    if (blockNumberOf(line) == static_cast<double>(last) + 1) {
      in.seek(before);
      return;
    }
    out.append(banner);
    out.append(texts.commentMarker).append("\r\n");
    copyNumberLine(in.bytesSince(numberStart), line, offset, out);
    run = in.position();
  }
  out.append(in.bytesSince(run));
}

}  // namespace korain
