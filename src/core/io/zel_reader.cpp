// Reads the ZEL block of a database file: a loop that dispatches on banners, and
// one small reader per part of the block.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/zel_reader.h"

#include "io/block_extract.h"
#include "io/block_framing.h"
#include "io/block_part_reader.h"
#include "io/compartment_record.h"
#include "io/database_texts.h"
#include "io/field_reader.h"
#include "io/line_cursor.h"
#include "io/node_line.h"
#include "io/zel_columns.h"
#include "io/zel_format.h"
#include "text/format_message.h"
#include "text/string_table.h"
#include "text/text_utils.h"

namespace korain {
namespace {

class ZelReader : public BlockPartReader<ZelReader> {
 public:
  ZelReader(LineCursor& cursor, std::string_view fileName, Integer blockNumber,
            Arrangement& arrangement, ZelReadResult& result)
      : BlockPartReader(cursor, fileName, result.messages, blockNumber),
        fileName_(fileName),
        a_(arrangement),
        result_(result),
        texts_(DatabaseTexts::get()) {}

  void read() {
    if (!findBlock(cursor_, blockNumber_, kZelKeyword)) {
      result_.status = ZelReadStatus::BlockNotFound;
      result_.version = -1;
      result_.messages.push_back(
          {std::string(fileName_), 0,
           formatMessage("Can not find ZEL ¤ in file '¤'", {blockNumber_, fileName_})});
      return;
    }
    const PartEnd end = dispatch();
    if (end == PartEnd::Error) result_.status = ZelReadStatus::Stopped;
    if (end == PartEnd::EndOfFile && !endedAtNextBlock_) reportCutShort();
  }

 private:
  friend class BlockPartReader<ZelReader>;

  PartReader partOf(std::string_view banner) const {
    if (banner == texts_.blockBanner) return &ZelReader::readBlockNumber;
    if (banner == texts_.versionBanner) return &ZelReader::readVersion;
    if (banner == texts_.generalBanner) return &ZelReader::readGeneralData;
    if (banner == texts_.panelsBanner) return &ZelReader::readBulkheads;
    if (banner == texts_.nodesBanner) return &ZelReader::readNodes;
    if (banner == kPrimaryBanner) return &ZelReader::readPrimaryMembers;
    if (banner == kSecondaryBanner) return &ZelReader::readStiffeners;
    if (banner == kBracketBanner) return &ZelReader::readBrackets;
    if (banner == kSpanScantlingBanner) return &ZelReader::readSpanScantlings;
    if (banner == kSpanBracketBanner) return &ZelReader::readSpanBrackets;
    if (banner == kCorrugationBanner) return &ZelReader::readCorrugations;
    if (banner == kStrakeBanner) return &ZelReader::readStrakes;
    if (banner == texts_.compartmentPartBanner) return &ZelReader::readCompartmentLineCount;
    if (banner == texts_.compartmentsBanner) return &ZelReader::readCompartments;
    return nullptr;
  }

  // ---- Values ------------------------------------------------------------

  ZelContents contents() const { return {.version = result_.version}; }

  List<Bulkhead>& bulkheads() { return itemsOf<Bulkhead>(a_); }

  std::optional<int> index(int i) const { return fields_.index(i); }

  // The bulkhead that value 1 selects; nothing, with the message that ends the
  // reading, when there is no such bulkhead.
  Bulkhead* selectedBulkhead() {
    const std::optional<int> i = index(1);
    if (i && bulkheads().inBounds(*i)) return &bulkheads().at(*i);
    fail("the bulkhead number " + fields_.valueText(1) + " does not name one of the " +
         std::to_string(bulkheads().count()) + " bulkheads; the reading of the block stopped");
    return nullptr;
  }

  // ---- Framing and general data -----------------------------------------

  PartEnd readVersion() { return readOneValue(result_.version); }

  PartEnd readGeneralData() {
    PartEnd end = PartEnd::EndOfFile;
    for (int line = 1; line <= kGeneralDataLines; ++line) {
      if (!lineIn<Arrangement>(line, contents())) continue;
      if (!nextLine(end)) return end;
      takeText(a_, line, trimmed(line_));
      takeLine(fields_, a_, line, contents());
    }
    return skipToBanner();
  }

  // ---- Bulkheads and their lists -----------------------------------------

  PartEnd readBulkheads() {
    a_.CurBulkhead = 0;
    return eachLine([&] {
      Bulkhead& b = bulkheads().append();
      takeText(b, 1, takeNameAndValues());
      takeLine(fields_, b, 1);
      return true;
    });
  }

  PartEnd readNodes() {
    return eachLine([&] {
      Bulkhead* b = selectedBulkhead();
      if (!b) return false;
      b->CurNode = 0;
      List<Node>& nodes = itemsOf<Node>(*b);
      Node& n = nodes.append();
      numberByPlace(n, nodes.count());
      readNodeLine(fields_, n);
      return true;
    });
  }

  PartEnd readPrimaryMembers() {
    return eachLine([&] {
      Bulkhead* b = selectedBulkhead();
      if (!b) return false;
      b->CurPrim = 0;
      takeLine(fields_, itemsOf<PrimaryMember>(*b).append(), 1);
      return true;
    });
  }

  PartEnd readStiffeners() {
    return eachLine([&] {
      Bulkhead* b = selectedBulkhead();
      if (!b) return false;
      takeLine(fields_, itemsOf<OrdinaryStiffener>(*b).append(), 1, contents());
      return true;
    });
  }

  // The stiffener (values 1 and 2) and, with span set, the span (value 3) that a
  // line addresses; lines that address nothing are skipped without a message.
  OrdinaryStiffener* addressedStiffener() {
    const std::optional<int> i = index(1);
    const std::optional<int> j = index(2);
    if (!i || !j || !bulkheads().inBounds(*i)) return nullptr;
    List<OrdinaryStiffener>& stiffeners = itemsOf<OrdinaryStiffener>(bulkheads().at(*i));
    return stiffeners.inBounds(*j) ? &stiffeners.at(*j) : nullptr;
  }

  StiffenerSpan* addressedSpan() {
    OrdinaryStiffener* s = addressedStiffener();
    const std::optional<int> k = index(3);
    if (!s || !k || !itemsOf<StiffenerSpan>(*s).inBounds(*k)) return nullptr;
    return &itemsOf<StiffenerSpan>(*s).at(*k);
  }

  PartEnd readBrackets() {
    return eachLine([&] {
      OrdinaryStiffener* s = addressedStiffener();
      const std::optional<int> k = index(3);
      if (!s || !k || !FixedList<Bracket, 2>::inBounds(*k)) return true;
      takeLine(fields_, itemsOf<Bracket>(*s).at(*k), 1);
      return true;
    });
  }

  PartEnd readSpanScantlings() {
    return eachLine([&] {
      StiffenerSpan* span = addressedSpan();
      if (span) takeLine(fields_, *span, kSpanScantlingLine);
      return true;
    });
  }

  PartEnd readSpanBrackets() {
    return eachLine([&] {
      StiffenerSpan* span = addressedSpan();
      if (span) takeLine(fields_, *span, kSpanBracketLine);
      return true;
    });
  }

  PartEnd readCorrugations() {
    return eachLine([&] {
      Bulkhead* b = selectedBulkhead();
      if (!b) return false;
      takeLine(fields_, itemsOf<Corrugation>(*b), 1);
      return true;
    });
  }

  PartEnd readStrakes() {
    return eachLine([&] {
      Bulkhead* b = selectedBulkhead();
      if (!b) return false;
      const std::optional<int> band = grownIndex(2, "band");
      const std::optional<int> strake = grownIndex(3, "strake");
      if (!band || !strake) return false;
      List<StrakeBand>& bands = itemsOf<StrakeBand>(*b);
      bands.growTo(*band);
      StrakeBand& strakeBand = bands.at(*band);
      itemsOf<Strake>(strakeBand).growTo(*strake);
      takeLine(fields_, strakeBand, 1);
      takeLine(fields_, itemsOf<Strake>(strakeBand).at(*strake), 1);
      return true;
    });
  }

  // An index that grows its list up to it: 1 to the list limit.
  std::optional<int> grownIndex(int i, std::string_view what) {
    const std::optional<int> value = index(i);
    if (value && *value >= 1 && *value <= kMaxIndexedListLength) return value;
    fail("the " + std::string(what) + " number " + fields_.valueText(i) + " is not between 1 and " +
         std::to_string(kMaxIndexedListLength) + "; the reading of the block stopped");
    return std::nullopt;
  }

  // ---- Compartments ------------------------------------------------------

  // Every block ends with a compartment record for each side of each bulkhead,
  // so a block that the file's end cuts off before its last record was cut
  // short (a file copied or saved incompletely), however well its lines read.
  void reportCutShort() {
    const int wanted = 2 * bulkheads().count();
    if (compartmentsReached_ && completeRecords_ >= wanted) return;
    const std::string where = compartmentsReached_
                                  ? "after " + std::to_string(completeRecords_) + " of its " +
                                        std::to_string(wanted) + " compartment records"
                                  : "before its compartment records";
    result_.messages.push_back({std::string(fileName_), cursor_.lineNumber(),
                                "the file ends inside the block, " + where +
                                    ": it was cut short, and only what stands before is read"});
    result_.status = ZelReadStatus::Stopped;
  }

  PartEnd readCompartmentLineCount() { return readOneValue(compartmentLines_); }

  // Records fill the forward then the aftward compartment of bulkhead 1, then of
  // bulkhead 2, and so on; each is as long as the line count says.
  PartEnd readCompartments() {
    compartmentsReached_ = true;
    PartEnd end = PartEnd::EndOfFile;
    for (int record = 0;; ++record) {
      const int bulkhead = record / 2 + 1;
      if (!nextLine(end)) return end;
      if (!bulkheads().inBounds(bulkhead)) return skipToBanner();
      Compartment& c = itemsOf<Compartment>(bulkheads().at(bulkhead)).at(record % 2 + 1);
      readCompartmentName(line_, c);
      for (int line = 2; line <= compartmentLines_; ++line) {
        if (!nextLine(end)) return end;
        readCompartmentLine(line, fields_, c, AlternateLoading::Present);
      }
      ++completeRecords_;
    }
  }

  std::string_view fileName_;
  Arrangement& a_;
  ZelReadResult& result_;
  const DatabaseTexts& texts_;
  Integer compartmentLines_ = 0;
  bool compartmentsReached_ = false;
  int completeRecords_ = 0;
};

}  // namespace

namespace {

ZelReadResult readZelBlockAt(LineCursor& cursor, std::string_view fileName, Integer blockNumber,
                             Arrangement& arrangement) {
  arrangement.clear();
  ZelReadResult result;
  ZelReader(cursor, fileName, blockNumber, arrangement, result).read();
  return result;
}

}  // namespace

ZelReadResult readZelBlockFromBytes(std::string_view bytes, std::string_view fileName,
                                    Integer blockNumber, Arrangement& arrangement) {
  LineCursor cursor(bytes);
  return readZelBlockAt(cursor, fileName, blockNumber, arrangement);
}

ZelReadResult readZelBlock(const std::string& path, Integer blockNumber, Arrangement& arrangement) {
  arrangement.clear();
  std::string error;
  // Only the block is held in memory: a large database is read once, in pieces.
  const std::unique_ptr<InputFile> file = hostFileSystem().openForReading(path, error);
  const std::optional<ExtractedBlock> block =
      file ? extractBlock(*file, blockNumber, kZelKeyword, error) : std::nullopt;
  if (!error.empty()) {
    ZelReadResult result;
    result.status = ZelReadStatus::FileMissing;
    result.messages.push_back(
        {path, 0, korainString(text_id::kDatabaseMissing) + " (" + error + ")"});
    return result;
  }
  LineCursor cursor(block ? std::string_view(block->bytes) : std::string_view(),
                    block ? block->linesBefore : 0);
  return readZelBlockAt(cursor, path, blockNumber, arrangement);
}

}  // namespace korain
